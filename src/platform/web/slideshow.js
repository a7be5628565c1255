// Run in a deck the office suite exported as a slide show, once its own
// presentation script has started, with `show` (what the conversion noted
// beside it: per slide the action buttons' areas and the sounds and movies)
// set before. It makes the show step as the deck pane steps, and reports each
// slide shown in the document's title ("slide N", counted from 0), or "failed".
(function (show) {
    'use strict';
    if (typeof aSlideShow === 'undefined' || typeof theMetaDoc === 'undefined' || !theMetaDoc.nNumberOfSlides) {
        document.title = 'failed';
        return;
    }
    var count = theMetaDoc.nNumberOfSlides;
    var slides = (show && show.slides) || [];

    function report() {
        document.title = 'slide ' + nCurSlide;
    }

    // The show does not wrap round: the last slide stays, with all its builds,
    // and nothing comes before the first.
    var display = SlideShow.prototype.displaySlide;
    aSlideShow.displaySlide = function (slide, skipTransition) {
        if (slide < 0 || slide >= count || slide === nCurSlide)
            return;
        display.call(this, slide, skipTransition);
        report();
    };
    var rewindToPrevious = SlideShow.prototype.rewindToPreviousSlide;
    aSlideShow.rewindToPreviousSlide = function () {
        if (nCurSlide > 0 || this.isTransitionPlaying())
            rewindToPrevious.call(this);
    };

    // On: the next build, else the next slide. Back: the last build taken
    // back, else the previous slide with all its builds.
    window.veltanoStep = function (direction) {
        if (direction > 0)
            dispatchEffects(1);
        else
            aSlideShow.rewindEffect();
    };

    var forward = {PageDown: 1, ArrowRight: 1, ArrowDown: 1, ' ': 1, Spacebar: 1, Enter: 1};
    var backward = {PageUp: 1, ArrowLeft: 1, ArrowUp: 1};
    // Every key is the pane's: the show's own keys (an index of slides, the
    // end of the show) are no part of the lesson.
    function takeKey(event) {
        event.stopImmediatePropagation();
        event.preventDefault();
        if (event.type !== 'keydown')
            return;
        if (forward[event.key])
            window.veltanoStep(1);
        else if (backward[event.key])
            window.veltanoStep(-1);
    }
    window.addEventListener('keydown', takeKey, true);
    window.addEventListener('keypress', takeKey, true);

    function slidePoint(event) {
        var root = document.documentElement;
        var matrix = root.getScreenCTM();
        if (!matrix || !root.createSVGPoint)
            return null;
        var point = root.createSVGPoint();
        point.x = event.clientX;
        point.y = event.clientY;
        return point.matrixTransform(matrix.inverse());
    }

    function actionAt(event) {
        var actions = (slides[nCurSlide] && slides[nCurSlide].actions) || [];
        var point = actions.length ? slidePoint(event) : null;
        if (!point)
            return null;
        // The shape drawn last lies on top.
        for (var i = actions.length - 1; i >= 0; --i) {
            var a = actions[i];
            if (point.x >= a.x && point.x <= a.x + a.width && point.y >= a.y && point.y <= a.y + a.height)
                return a;
        }
        return null;
    }

    function act(action) {
        switch (action.do) {
        case 'previous': aSlideShow.displaySlide(nCurSlide - 1, false); break;
        case 'next': aSlideShow.displaySlide(nCurSlide + 1, false); break;
        case 'first': aSlideShow.displaySlide(0, false); break;
        case 'last': aSlideShow.displaySlide(count - 1, false); break;
        case 'slide': aSlideShow.displaySlide(action.to, false); break;
        case 'url': window.open(action.to); break;
        }
    }

    window.addEventListener('mouseup', function (event) {
        if (event.button === 2) {
            event.stopImmediatePropagation();
            window.veltanoStep(-1);
            return;
        }
        var action = event.button === 0 ? actionAt(event) : null;
        if (action) {
            event.stopImmediatePropagation();
            act(action);
        }
        // Anything else is the show's own: a link in a text, or the next step.
    }, true);

    // A page on the web opens only on the teacher's click, and the program
    // opens it: the title tells it which ("open N URL", N counting the clicks).
    var opened = 0;
    window.open = function (url) {
        document.title = 'open ' + (++opened) + ' ' + url;
        return null;
    };

    report();
})(window.veltanoShow);
