#include "picturelayouts.h"

namespace {

// The elements keep their geometry in single precision.
float single(double value)
{
    return float(value);
}

} // namespace

PictureLayouts::PictureLayouts(PictureElements &elements, DesktopState &state, QString &pictureField,
                               PictureSizer sizer)
    : m_e(elements), m_state(state), m_list(state.lists.pictures), m_pictureField(pictureField),
      m_sizer(std::move(sizer)), L(state.fullArea.Left), T(state.fullArea.Top), W(state.fullArea.Width),
      H(state.fullArea.Height)
{}

void PictureLayouts::load(int k, const QString &file)
{
    PictureElement &element = m_e[k];
    element.picture = file;
    if (element.stretch)
        return;
    if (const std::optional<QSizeF> size = m_sizer(file)) {
        element.rect.width = single(size->width());
        element.rect.height = single(size->height());
    }
}

void PictureLayouts::nextPicture(int k)
{
    load(k, m_list.elements.value(m_list.position));
    ++m_list.position;
    if (m_list.position > m_list.count - 1)
        m_list.position = 0;
}

void PictureLayouts::setShown(int from, int to, bool visible)
{
    for (int k = from; k <= to; ++k)
        m_e[k].visible = visible;
}

bool PictureLayouts::columnForm() const
{
    return m_e[0].rect.top == T;
}

void PictureLayouts::PictureOne()
{
    if (m_pictureField.isEmpty())
        return;
    setShown(1, 5, false);
    m_state.PictureCount = 1;
    PictureElement &e = m_e[0];
    e.visible = false;
    e.stretch = false;
    load(0, m_list.elements.value(m_list.position));
    ++m_list.position;
    // Each dimension is reduced on its own, so the picture may be distorted.
    if (e.rect.width > W / 2) {
        e.stretch = true;
        e.rect.width = single(W / 3);
    }
    if (e.rect.height > H / 2) {
        e.stretch = true;
        e.rect.height = single(H / 3);
    }
    e.rect.left = single(W - e.rect.width + 2);
    e.rect.top = single(T);
    e.visible = true;
    if (m_list.position >= m_list.count)
        m_list.position = 0;
}

void PictureLayouts::PictureTwo()
{
    if (!enoughPictures())
        return;
    setShown(2, 5, false);
    for (int k = 0; k <= 1; ++k) {
        m_e[k].rect.width = single(W / 4);
        m_e[k].rect.height = single(H / 4);
        m_e[k].visible = true;
        m_e[k].stretch = true;
    }
    TwipsRect &first = m_e[0].rect;
    TwipsRect &second = m_e[1].rect;
    if (columnForm()) {
        first.top = single(H / 2);
        first.left = single(W / 4 * 3 + 2);
        second.top = single(double(first.height) + first.top);
        second.left = single(W / 4 * 3 + 2);
    } else {
        first.top = single(H / 4 * 3);
        first.left = single(W / 2 + 2);
        second.top = single(H / 4 * 3);
        second.left = single(double(first.width) + first.left + 2);
    }
    m_state.PictureCount = 2;
    nextPicture(0);
    nextPicture(1);
}

// n pictures of W/n by H/n down the right edge (column form, at `columnLeft`)
// or along the bottom (row form, at `rowTop`).
void PictureLayouts::strip(int n, double columnLeft, double rowTop)
{
    setShown(n, 5, false);
    setShown(0, n - 1, true);
    m_state.PictureCount = n;
    const bool column = columnForm();
    for (int k = 0; k < n; ++k) {
        PictureElement &e = m_e[k];
        e.stretch = true;
        e.rect.width = single(W / n);
        e.rect.height = single(H / n);
        e.visible = true;
        e.rect.left = single(column ? columnLeft : L + k * W / n);
        e.rect.top = single(column ? T + k * H / n : rowTop);
    }
    for (int k = 0; k < n; ++k)
        nextPicture(k);
}

void PictureLayouts::PictureThree()
{
    if (enoughPictures())
        strip(3, 2 * W / 3, 2 * H / 3);
}

void PictureLayouts::PictureFour()
{
    if (enoughPictures())
        strip(4, W / 4 * 3, 3 * H / 4);
}

// The right column and the bottom row of a three-by-three grid.
void PictureLayouts::PictureFive()
{
    if (!enoughPictures())
        return;
    setShown(5, 5, false);
    setShown(0, 4, true);
    m_state.PictureCount = 5;
    for (int k = 0; k <= 4; ++k) {
        PictureElement &e = m_e[k];
        e.rect.width = single(W / 3);
        e.rect.height = single(H / 3);
        e.stretch = true;
        e.visible = true;
        if (k <= 2) {
            e.rect.left = single(2 * W / 3 + 2);
            e.rect.top = single(T + k * H / 3);
        } else {
            e.rect.left = single(W - (k - 1) * W / 3 + 2);
            e.rect.top = single(2 * H / 3);
        }
    }
    for (int k = 0; k <= 4; ++k)
        nextPicture(k);
}

void PictureLayouts::PictureSix()
{
    if (!enoughPictures())
        return;
    for (PictureElement &e : m_e) {
        e.picture.clear();
        e.visible = true;
        e.stretch = true;
    }
    m_state.PictureCount = 6;
    for (PictureElement &e : m_e) {
        e.rect.width = single(W / 4);
        e.rect.height = single(H / 4);
    }
    const bool column = columnForm();
    for (int k = 0; k <= 5; ++k) {
        TwipsRect &r = m_e[k].rect;
        if (column && k <= 3) {
            r.left = single(W / 4 * 3 + 2);
            r.top = single(T + k * H / 4);
        } else if (column) {
            r.left = single(W - (k - 2) * W / 4 + 2);
            r.top = single(H / 4 * 3);
        } else if (k <= 3) {
            r.left = single(L + k * W / 4 + 2);
            r.top = single(H / 4 * 3);
        } else {
            r.left = single(W / 4 * 3 + 2);
            r.top = single(H - (k - 2) * H / 4);
        }
    }
    for (int k = 0; k <= 5; ++k)
        nextPicture(k);
}

void PictureLayouts::align(Position position)
{
    if (m_state.PictureCount == 1)
        m_state.CurrentPicture = 0;
    const int current = m_state.CurrentPicture;
    // Element 0 decides, whichever picture is current.
    if (current < 0 || current >= m_state.PictureCount || !m_e[0].visible)
        return;
    PictureElement &e = m_e[current];
    e.stretch = true;
    switch (position) {
    case Position::Centre:
        e.rect.left = single(W / 2 - double(e.rect.width) / 2);
        e.rect.top = single(H / 2 - double(e.rect.height) / 2);
        break;
    case Position::Left:
        e.rect.left = single(L);
        break;
    case Position::Right:
        e.rect.left = single(W - e.rect.width + 2);
        break;
    case Position::Top:
        e.rect.top = single(T);
        break;
    case Position::Bottom:
        e.rect.top = single(H - e.rect.height);
        break;
    case Position::Full:
        break;
    }
}

void PictureLayouts::PictureHidden()
{
    const int current = m_state.CurrentPicture;
    if (current == -1 || m_state.PictureCount == 0) {
        setShown(0, 5, false);
        return;
    }
    m_e[current].visible = false;
    const int last = m_state.PictureCount - 1;
    if (current != last) {
        m_e[current].rect = m_e[last].rect;
        m_e[current].picture = m_e[last].picture;
        m_e[current].visible = true;
        m_e[last].visible = false;
    }
    --m_state.PictureCount;
}

void PictureLayouts::pictureButton()
{
    if (m_state.PictureCount != 0 && m_state.PictureCount != 1) {
        for (int k = 0; k < m_state.PictureCount; ++k) {
            m_e[k].visible = true;
            nextPicture(k);
        }
        return;
    }
    m_state.PictureCount = 1;
    PictureElement &e = m_e[0];
    TwipsRect &p = e.rect;
    e.visible = false;
    // Stretched, the element keeps its size instead of taking the picture's.
    e.stretch = true;
    load(0, m_list.elements.value(m_list.position));
    ++m_list.position;
    if (p.width > W / 3) {
        e.stretch = true;
        p.width = single(W / 3);
    }
    if (p.height > H / 3) {
        e.stretch = true;
        p.height = single(H / 3);
    }
    if (p.left >= 0 && W - p.width < p.left)
        p.left = single(W - p.width);
    if (p.left < 0)
        p.left = single(L);
    if (p.top >= 0 && H - p.height < p.top)
        p.top = single(H - p.height);
    if (p.top < 0)
        p.top = single(T);
    e.visible = true;
    if (m_list.position >= m_list.count)
        m_list.position = 0;
}

void PictureLayouts::importPictures(const SelectFileInfo &chosen)
{
    for (int i = 0; i < chosen.FileCount && i < chosen.FileNames.size(); ++i) {
        // The list may hold an empty element after its last name; it stays last.
        m_list.elements.append(QString());
        m_list.elements[m_list.count] = chosen.FilePath + chosen.FileNames.at(i);
        ++m_list.count;
    }
    if (m_pictureField.isEmpty())
        m_pictureField = chosen.FilePath;
    refresh();
}

void PictureLayouts::refresh()
{
    switch (m_state.PictureCount) {
    case 0:
    case 1:
        m_state.PictureCount = 1;
        PictureOne();
        break;
    case 2:
        PictureTwo();
        break;
    case 3:
        PictureThree();
        break;
    case 4:
        PictureFour();
        break;
    case 5:
        PictureFive();
        break;
    case 6:
        PictureSix();
        break;
    default:
        break;
    }
}
