#pragma once

#include <QString>

struct AppContext;
class BackgroundPage;
class LessonPage;
class QLineEdit;
struct PickerRule;

// The file pickers `Image1`(k): each opens a file dialog and writes the chosen file or
// files into its field, as a full path or relative to its root folder.
class MediaPicker
{
public:
    MediaPicker(AppContext &context, LessonPage &lessonPage, BackgroundPage &backgroundPage);

    void Image1_Click(int index);

private:
    QLineEdit *fieldOf(const PickerRule &rule) const;
    QString rootOf(const PickerRule &rule) const;
    void refuse(const PickerRule &rule, const QString &root);

    AppContext &m_context;
    LessonPage &m_lessonPage;
    BackgroundPage &m_backgroundPage;
};
