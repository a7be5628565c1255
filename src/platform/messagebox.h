#pragma once

#include <QString>

// Contract: a modal message box; returns the button the user pressed.
class MessageBox
{
public:
    enum class Icon { None, Information, Question, Warning, Critical };
    enum class Buttons { Ok, YesNo, YesNoCancel, OkCancel };
    enum class Answer { Ok, Yes, No, Cancel };

    virtual ~MessageBox() = default;
    virtual Answer show(const QString &text, const QString &title, Icon icon, Buttons buttons) = 0;
};
