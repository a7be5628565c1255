#!/usr/bin/python3
"""Writes the small PowerPoint decks of this folder as the presentation
program stores them (Office Open XML, parts and relationships by hand), each
with what teachers build into their decks: click builds, a transition, an
action button, a hidden slide, an embedded sound.

    python3 writedecks.py [FOLDER]
    python3 writedecks.py FOLDER --slides N   (a benchmark deck, not kept here)

quiz.pptx      slide 1: a black question on white; a red answer box that
               appears on a click. Slide 2: a blue slide.
transition.pptx  two slides, the second entering with a fade; a build that
               flies in on slide 2.
button.pptx    slide 1: a green action button that jumps to slide 3; slide 2
               yellow; slide 3 blue; slide 4 hidden (magenta); slide 5 grey.
sound.pptx     one slide with an embedded WAV sound playing as it shows.
slides-N.pptx  N slides, each with a 400x300 photo-like picture, a question
               and a red answer box that appears on a click.
"""

import io
import math
import struct
import sys
import random
import wave
import zipfile
import zlib

P = ('xmlns:a="http://schemas.openxmlformats.org/drawingml/2006/main" '
     'xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships" '
     'xmlns:p="http://schemas.openxmlformats.org/presentationml/2006/main"')
REL = "http://schemas.openxmlformats.org/officeDocument/2006/relationships"
PKG = "http://schemas.openxmlformats.org/package/2006/relationships"
CT = "application/vnd.openxmlformats-officedocument.presentationml"


def rels(items):
    body = "".join('<Relationship Id="%s" Type="%s/%s" Target="%s"%s/>'
                   % (rid, REL, kind, target, ' TargetMode="External"' if ext else "")
                   for rid, kind, target, ext in items)
    return '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>' \
           '<Relationships xmlns="%s">%s</Relationships>' % (PKG, body)


def box(spid, name, x, y, w, h, fill, text="", size=4400, colour="000000", extra=""):
    fill_xml = '<a:solidFill><a:srgbClr val="%s"/></a:solidFill>' % fill if fill else "<a:noFill/>"
    run = ('<a:r><a:rPr lang="zh-CN" sz="%d"><a:solidFill><a:srgbClr val="%s"/></a:solidFill>'
           '</a:rPr><a:t>%s</a:t></a:r>' % (size, colour, text)) if text else ""
    return ('<p:sp><p:nvSpPr><p:cNvPr id="%d" name="%s">%s</p:cNvPr><p:cNvSpPr/><p:nvPr/></p:nvSpPr>'
            '<p:spPr><a:xfrm><a:off x="%d" y="%d"/><a:ext cx="%d" cy="%d"/></a:xfrm>'
            '<a:prstGeom prst="rect"><a:avLst/></a:prstGeom>%s<a:ln><a:noFill/></a:ln></p:spPr>'
            '<p:txBody><a:bodyPr anchor="ctr"/><a:lstStyle/><a:p><a:pPr algn="ctr"/>%s</a:p></p:txBody></p:sp>'
            % (spid, name, extra, x, y, w, h, fill_xml, run))


def background(colour):
    return ('<p:bg><p:bgPr><a:solidFill><a:srgbClr val="%s"/></a:solidFill><a:effectLst/></p:bgPr></p:bg>'
            % colour)


def click_effect(ctn, spid, preset, behaviours, node="clickEffect"):
    return ('<p:par><p:cTn id="%d" fill="hold"><p:stCondLst><p:cond delay="indefinite"/></p:stCondLst>'
            '<p:childTnLst><p:par><p:cTn id="%d" fill="hold"><p:stCondLst><p:cond delay="0"/></p:stCondLst>'
            '<p:childTnLst><p:par><p:cTn id="%d" presetID="%d" presetClass="entr" presetSubtype="0" '
            'fill="hold" grpId="0" nodeType="%s"><p:stCondLst><p:cond delay="0"/></p:stCondLst>'
            '<p:childTnLst>%s</p:childTnLst></p:cTn></p:par></p:childTnLst></p:cTn></p:par>'
            '</p:childTnLst></p:cTn></p:par>' % (ctn, ctn + 1, ctn + 2, preset, node, behaviours))


def appear(ctn, spid):
    return ('<p:set><p:cBhvr><p:cTn id="%d" dur="1" fill="hold"><p:stCondLst><p:cond delay="0"/>'
            '</p:stCondLst></p:cTn><p:tgtEl><p:spTgt spid="%d"/></p:tgtEl><p:attrNameLst>'
            '<p:attrName>style.visibility</p:attrName></p:attrNameLst></p:cBhvr><p:to>'
            '<p:strVal val="visible"/></p:to></p:set>' % (ctn, spid))


def fly_in(ctn, spid):
    return appear(ctn, spid) + (
        '<p:anim calcmode="lin" valueType="num"><p:cBhvr additive="base"><p:cTn id="%d" dur="500" '
        'fill="hold"/><p:tgtEl><p:spTgt spid="%d"/></p:tgtEl><p:attrNameLst><p:attrName>ppt_y'
        '</p:attrName></p:attrNameLst></p:cBhvr><p:tavLst><p:tav tm="0"><p:val><p:strVal val="1+#ppt_h/2"/>'
        '</p:val></p:tav><p:tav tm="100000"><p:val><p:strVal val="#ppt_y"/></p:val></p:tav></p:tavLst>'
        '</p:anim>' % (ctn + 1, spid))


def timing(effects, spids):
    builds = "".join('<p:bldP spid="%d" grpId="0" animBg="1"/>' % s for s in spids)
    return ('<p:timing><p:tnLst><p:par><p:cTn id="1" dur="indefinite" restart="never" nodeType="tmRoot">'
            '<p:childTnLst><p:seq concurrent="1" nextAc="seek"><p:cTn id="2" dur="indefinite" '
            'nodeType="mainSeq"><p:childTnLst>%s</p:childTnLst></p:cTn><p:prevCondLst><p:cond evt="onPrev" '
            'delay="0"><p:tgtEl><p:sldTgt/></p:tgtEl></p:cond></p:prevCondLst><p:nextCondLst>'
            '<p:cond evt="onNext" delay="0"><p:tgtEl><p:sldTgt/></p:tgtEl></p:cond></p:nextCondLst>'
            '</p:seq></p:childTnLst></p:cTn></p:par></p:tnLst><p:bldLst>%s</p:bldLst></p:timing>'
            % (effects, builds))


def slide(shapes, bg="FFFFFF", extra="", show=True):
    return ('<?xml version="1.0" encoding="UTF-8" standalone="yes"?><p:sld %s%s><p:cSld>%s<p:spTree>'
            '<p:nvGrpSpPr><p:cNvPr id="1" name=""/><p:cNvGrpSpPr/><p:nvPr/></p:nvGrpSpPr><p:grpSpPr/>'
            '%s</p:spTree></p:cSld><p:clrMapOvr><a:masterClrMapping/></p:clrMapOvr>%s</p:sld>'
            % (P, "" if show else ' show="0"', background(bg), "".join(shapes), extra))


MASTER = ('<?xml version="1.0" encoding="UTF-8" standalone="yes"?><p:sldMaster %s><p:cSld><p:bg><p:bgRef idx="1001">'
          '<a:schemeClr val="bg1"/></p:bgRef></p:bg><p:spTree><p:nvGrpSpPr><p:cNvPr id="1" name=""/><p:cNvGrpSpPr/>'
          '<p:nvPr/></p:nvGrpSpPr><p:grpSpPr/></p:spTree></p:cSld><p:clrMap bg1="lt1" tx1="dk1" bg2="lt2" tx2="dk2" '
          'accent1="accent1" accent2="accent2" accent3="accent3" accent4="accent4" accent5="accent5" '
          'accent6="accent6" hlink="hlink" folHlink="folHlink"/><p:sldLayoutIdLst><p:sldLayoutId id="2147483649" '
          'r:id="rId1"/></p:sldLayoutIdLst></p:sldMaster>' % P)
LAYOUT = ('<?xml version="1.0" encoding="UTF-8" standalone="yes"?><p:sldLayout %s type="blank"><p:cSld name="Blank">'
          '<p:spTree><p:nvGrpSpPr><p:cNvPr id="1" name=""/><p:cNvGrpSpPr/><p:nvPr/></p:nvGrpSpPr><p:grpSpPr/>'
          '</p:spTree></p:cSld><p:clrMapOvr><a:masterClrMapping/></p:clrMapOvr></p:sldLayout>' % P)
SCHEME = "".join('<a:%s><a:srgbClr val="%s"/></a:%s>' % (n, v, n) for n, v in [
    ("dk1", "000000"), ("lt1", "FFFFFF"), ("dk2", "1F497D"), ("lt2", "EEECE1"), ("accent1", "4F81BD"),
    ("accent2", "C0504D"), ("accent3", "9BBB59"), ("accent4", "8064A2"), ("accent5", "4BACC6"),
    ("accent6", "F79646"), ("hlink", "0000FF"), ("folHlink", "800080")])
FONTS = '<a:latin typeface="Arial"/><a:ea typeface=""/><a:cs typeface=""/>'
THEME = ('<?xml version="1.0" encoding="UTF-8" standalone="yes"?><a:theme xmlns:a="http://schemas.openxmlformats.org/'
         'drawingml/2006/main" name="Office"><a:themeElements><a:clrScheme name="Office">%s</a:clrScheme>'
         '<a:fontScheme name="Office"><a:majorFont>%s</a:majorFont><a:minorFont>%s</a:minorFont></a:fontScheme>'
         '<a:fmtScheme name="Office"><a:fillStyleLst>%s</a:fillStyleLst><a:lnStyleLst>%s</a:lnStyleLst>'
         '<a:effectStyleLst>%s</a:effectStyleLst><a:bgFillStyleLst>%s</a:bgFillStyleLst></a:fmtScheme>'
         '</a:themeElements></a:theme>'
         % (SCHEME, FONTS, FONTS, '<a:solidFill><a:schemeClr val="phClr"/></a:solidFill>' * 3,
            '<a:ln w="9525"><a:solidFill><a:schemeClr val="phClr"/></a:solidFill></a:ln>' * 3,
            '<a:effectStyle><a:effectLst/></a:effectStyle>' * 3,
            '<a:solidFill><a:schemeClr val="phClr"/></a:solidFill>' * 3))


def package(slides, media=()):
    """slides: (xml, [(rid, kind, target, external)]); media: (name, bytes)."""
    out = io.BytesIO()
    with zipfile.ZipFile(out, "w", zipfile.ZIP_DEFLATED) as z:
        overrides = "".join('<Override PartName="/ppt/slides/slide%d.xml" ContentType="%s.slide+xml"/>'
                            % (i + 1, CT) for i in range(len(slides)))
        z.writestr("[Content_Types].xml",
                   '<?xml version="1.0" encoding="UTF-8" standalone="yes"?><Types xmlns="http://schemas.'
                   'openxmlformats.org/package/2006/content-types"><Default Extension="rels" ContentType="'
                   'application/vnd.openxmlformats-package.relationships+xml"/><Default Extension="xml" '
                   'ContentType="application/xml"/><Default Extension="wav" ContentType="audio/wav"/><Default Extension="png" ContentType="image/png"/>'
                   '<Override PartName="/ppt/presentation.xml" ContentType="%s.presentation.main+xml"/>'
                   '<Override PartName="/ppt/slideMasters/slideMaster1.xml" ContentType="%s.slideMaster+xml"/>'
                   '<Override PartName="/ppt/slideLayouts/slideLayout1.xml" ContentType="%s.slideLayout+xml"/>'
                   '<Override PartName="/ppt/theme/theme1.xml" ContentType="application/vnd.openxmlformats-'
                   'officedocument.theme+xml"/>%s</Types>' % (CT, CT, CT, overrides))
        z.writestr("_rels/.rels", rels([("rId1", "officeDocument", "ppt/presentation.xml", False)]))
        ids = "".join('<p:sldId id="%d" r:id="rId%d"/>' % (256 + i, i + 3) for i in range(len(slides)))
        z.writestr("ppt/presentation.xml",
                   '<?xml version="1.0" encoding="UTF-8" standalone="yes"?><p:presentation %s>'
                   '<p:sldMasterIdLst><p:sldMasterId id="2147483648" r:id="rId1"/></p:sldMasterIdLst>'
                   '<p:sldIdLst>%s</p:sldIdLst><p:sldSz cx="9144000" cy="6858000"/><p:notesSz cx="6858000" '
                   'cy="9144000"/></p:presentation>' % (P, ids))
        z.writestr("ppt/_rels/presentation.xml.rels", rels(
            [("rId1", "slideMaster", "slideMasters/slideMaster1.xml", False),
             ("rId2", "theme", "theme/theme1.xml", False)] +
            [("rId%d" % (i + 3), "slide", "slides/slide%d.xml" % (i + 1), False) for i in range(len(slides))]))
        z.writestr("ppt/slideMasters/slideMaster1.xml", MASTER)
        z.writestr("ppt/slideMasters/_rels/slideMaster1.xml.rels", rels(
            [("rId1", "slideLayout", "../slideLayouts/slideLayout1.xml", False),
             ("rId2", "theme", "../theme/theme1.xml", False)]))
        z.writestr("ppt/slideLayouts/slideLayout1.xml", LAYOUT)
        z.writestr("ppt/slideLayouts/_rels/slideLayout1.xml.rels", rels(
            [("rId1", "slideMaster", "../slideMasters/slideMaster1.xml", False)]))
        z.writestr("ppt/theme/theme1.xml", THEME)
        for i, (xml, links) in enumerate(slides):
            z.writestr("ppt/slides/slide%d.xml" % (i + 1), xml)
            z.writestr("ppt/slides/_rels/slide%d.xml.rels" % (i + 1), rels(
                [("rId1", "slideLayout", "../slideLayouts/slideLayout1.xml", False)] + links))
        for name, data in media:
            z.writestr("ppt/media/" + name, data)
    return out.getvalue()


def quiz():
    question = box(2, "Question", 457200, 457200, 8229600, 1600200, None, "1 + 1 = ?", 6000)
    answer = box(3, "Answer", 2743200, 3429000, 3657600, 2286000, "FF0000", "2", 8000, "FFFFFF")
    first = slide([question, answer], extra=timing(click_effect(3, 3, 1, appear(6, 3)), [3]))
    second = slide([box(2, "Title", 457200, 457200, 8229600, 1600200, None, "第二题", 6000, "FFFFFF")],
                   bg="0000FF")
    return package([(first, []), (second, [])])


def transition():
    first = slide([box(2, "Title", 457200, 2286000, 8229600, 2286000, None, "一", 8000)])
    line = box(3, "Line", 1828800, 3886200, 5486400, 1371600, "00A000", "飞入", 4400, "FFFFFF")
    second = slide([box(2, "Title", 457200, 457200, 8229600, 1600200, None, "二", 6000), line], bg="FFFF00",
                   extra='<p:transition spd="slow"><p:fade/></p:transition>' +
                         timing(click_effect(3, 3, 2, fly_in(6, 3)), [3]))
    return package([(first, []), (second, [])])


def button():
    jump = '<a:hlinkClick r:id="rId2" action="ppaction://hlinksldjump"/>'
    action = box(2, "Action Button: Custom 1", 2743200, 2286000, 3657600, 2286000, "00A000", "第三页", 4400,
                 "FFFFFF", jump)
    slides = [(slide([action]), [("rId2", "slide", "slide3.xml", False)]),
              (slide([], bg="FFFF00"), []), (slide([], bg="0000FF"), []),
              (slide([], bg="FF00FF", show=False), []), (slide([], bg="808080"), [])]
    return package(slides)


def tone():
    out = io.BytesIO()
    with wave.open(out, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(8000)
        w.writeframes(b"".join(struct.pack("<h", int(8000 * math.sin(2 * math.pi * 440 * i / 8000)))
                               for i in range(8000)))
    return out.getvalue()


def sound():
    pic = ('<p:pic><p:nvPicPr><p:cNvPr id="2" name="tone.wav"><a:hlinkClick r:id="" action="ppaction://media"/>'
           '</p:cNvPr><p:cNvPicPr/><p:nvPr><a:audioFile r:link="rId2"/></p:nvPr></p:nvPicPr><p:blipFill/>'
           '<p:spPr><a:xfrm><a:off x="4114800" y="3086100"/><a:ext cx="914400" cy="685800"/></a:xfrm>'
           '<a:prstGeom prst="rect"><a:avLst/></a:prstGeom></p:spPr></p:pic>')
    first = slide([box(3, "Title", 457200, 457200, 8229600, 1600200, None, "声音", 6000), pic])
    return package([(first, [("rId2", "audio", "../media/tone.wav", False)])], [("tone.wav", tone())])


def picture(seed, width=400, height=300):
    """A PNG of soft colour gradients with noise: as hard to compress as a photo."""
    noise = random.Random(seed)
    rows = bytearray()
    for y in range(height):
        rows.append(0)
        for x in range(width):
            rows += bytes(((x * 255 // width + seed * 40 + noise.randrange(24)) % 256,
                           (y * 255 // height + noise.randrange(24)) % 256,
                           (seed * 70 + noise.randrange(24)) % 256))

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(bytes(rows), 6)) + chunk(b"IEND", b""))


def bench(count):
    slides, media = [], []
    pictures = [picture(seed) for seed in range(7)]
    for i in range(count):
        pic = ('<p:pic><p:nvPicPr><p:cNvPr id="4" name="Picture %d"/><p:cNvPicPr/><p:nvPr/></p:nvPicPr>'
               '<p:blipFill><a:blip r:embed="rId2"/><a:stretch><a:fillRect/></a:stretch></p:blipFill>'
               '<p:spPr><a:xfrm><a:off x="457200" y="2286000"/><a:ext cx="3657600" cy="2743200"/></a:xfrm>'
               '<a:prstGeom prst="rect"><a:avLst/></a:prstGeom></p:spPr></p:pic>' % (i + 1))
        question = box(2, "Question", 457200, 457200, 8229600, 1600200, None, "第 %d 题" % (i + 1), 4400)
        answer = box(3, "Answer", 4572000, 3429000, 3657600, 2286000, "FF0000", "答案", 6000, "FFFFFF")
        xml = slide([question, pic, answer], extra=timing(click_effect(3, 3, 1, appear(6, 3)), [3]))
        slides.append((xml, [("rId2", "image", "../media/picture%d.png" % (i + 1), False)]))
        media.append(("picture%d.png" % (i + 1), pictures[i % 7]))
    return package(slides, media)


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else "."
    if len(sys.argv) == 4 and sys.argv[2] == "--slides":
        count = int(sys.argv[3])
        with open("%s/slides-%d.pptx" % (folder, count), "wb") as f:
            f.write(bench(count))
        return
    for name, make in [("quiz", quiz), ("transition", transition), ("button", button), ("sound", sound)]:
        with open("%s/%s.pptx" % (folder, name), "wb") as f:
            f.write(make())


if __name__ == "__main__":
    main()
