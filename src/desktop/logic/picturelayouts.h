#pragma once

#include "desktop/logic/desktopstate.h"
#include "filesel/selectfileinfo.h"

#include <array>
#include <functional>
#include <optional>
#include <QSizeF>
#include <QString>

// One element Image1(k) of the picture pane as its commands see it.
struct PictureElement {
    TwipsRect rect;
    bool visible = false;
    // Off: loading a picture gives the element the picture's own size.
    bool stretch = false;
    // The file shown, as the picture list names it; empty: no picture.
    QString picture;
};

constexpr int kPictureElements = 6;
using PictureElements = std::array<PictureElement, kPictureElements>;

// The picture's own size in twips; none when the file cannot be read as a picture.
using PictureSizer = std::function<std::optional<QSizeF>(const QString &file)>;

// The picture pane's commands on its six elements: the layouts of one to six
// pictures, the alignment of the current picture, hiding it, the toolbar's
// "Picture" button and the import's list growth. Every layout also moves on
// through the picture list. Divisions are exact; the results are stored in
// single precision, as the elements keep them.
class PictureLayouts
{
public:
    // `pictureField` is the lesson's picture field (8); an import may fill it.
    PictureLayouts(PictureElements &elements, DesktopState &state, QString &pictureField, PictureSizer sizer);

    // The layouts. Two, three, four and six take their column form when
    // Image1(0).Top is exactly the work area's top, else their row form.
    void PictureOne();
    void PictureTwo();
    void PictureThree();
    void PictureFour();
    void PictureFive();
    void PictureSix();

    // PictureCenter ... PictureBottom: the current picture keeps its size.
    void align(Position position);
    void PictureHidden();

    // Toolbar "Picture" for a lesson that names pictures.
    void pictureButton();

    // Appends the chosen files to the picture list (the position stays), fills
    // an empty picture field with their folder, then refreshes the layout.
    void importPictures(const SelectFileInfo &chosen);
    // The layout of PictureCount pictures again, with the next pictures.
    void refresh();

private:
    // Loads the picture at the list's position into element k; the position steps on.
    void nextPicture(int k);
    void load(int k, const QString &file);
    void setShown(int from, int to, bool visible);
    void strip(int n, double columnLeft, double rowTop);
    bool columnForm() const;
    bool enoughPictures() const { return m_list.count > 1; }

    PictureElements &m_e;
    DesktopState &m_state;
    MediaList &m_list;
    QString &m_pictureField;
    PictureSizer m_sizer;
    const double L, T, W, H;
};
