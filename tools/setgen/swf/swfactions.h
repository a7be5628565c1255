#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

// Assembles ActionScript 2 bytecode (the actions of DoAction tags and button
// events). Branches go to labels and are resolved when the code is taken, so
// a finished block holds only relative offsets and can be embedded anywhere.
class SwfActions
{
public:
    // Stack values: a string or a 32-bit integer each.
    SwfActions &push(const QString &text);
    SwfActions &push(const char *text) { return push(QString::fromUtf8(text)); }
    SwfActions &push(int value);

    SwfActions &getVariable();
    SwfActions &setVariable();
    SwfActions &add();      // a b -> a + b
    SwfActions &subtract(); // a b -> a - b
    SwfActions &multiply();
    SwfActions &divide(); // a b -> a / b
    SwfActions &modulo(); // a b -> a % b
    SwfActions &less();   // a b -> a < b
    SwfActions &equals(); // a b -> a == b
    SwfActions &logicalNot();
    SwfActions &toInteger();
    SwfActions &random();      // n -> 0 .. n-1
    SwfActions &getTime();     // -> milliseconds since the movie started
    SwfActions &substring();   // text index(1-based) count -> part
    SwfActions &getProperty(); // target index -> value
    SwfActions &setProperty(); // target index value ->
    SwfActions &pop();

    SwfActions &stop();
    SwfActions &play();
    SwfActions &gotoFrame(int zeroBasedFrame);
    SwfActions &gotoFrameOnStack(bool andPlay); // frame number (1-based) ->
    SwfActions &setTarget(const QString &path); // "" returns to the action's own clip
    // Loads a movie by address into a level ("_level1") or a clip.
    SwfActions &getUrl(const QString &url, const QString &target);

    int newLabel();
    SwfActions &mark(int label);
    SwfActions &jump(int label);
    SwfActions &jumpIf(int label); // condition -> ; jumps when true

    // Embeds finished code (its branches are relative, so it moves as one piece).
    SwfActions &append(const SwfActions &other);

    // The assembled code without (code) and with (bytes) the end-of-actions mark.
    QByteArray code() const;
    QByteArray bytes() const { return code() + QByteArray(1, '\0'); }

    enum Code : uint8_t {
        End = 0x00,
        Play = 0x06,
        Stop = 0x07,
        Subtract = 0x0b,
        Multiply = 0x0c,
        Divide = 0x0d,
        Not = 0x12,
        StringExtract = 0x15,
        Pop = 0x17,
        ToInteger = 0x18,
        GetVariable = 0x1c,
        SetVariable = 0x1d,
        GetProperty = 0x22,
        SetProperty = 0x23,
        RandomNumber = 0x30,
        GetTime = 0x34,
        Modulo = 0x3f,
        Add2 = 0x47,
        Less2 = 0x48,
        Equals2 = 0x49,
        GotoFrame = 0x81,
        GetUrl = 0x83,
        SetTarget = 0x8b,
        Push = 0x96,
        Jump = 0x99,
        If = 0x9d,
        GotoFrame2 = 0x9f,
    };

    enum Property { X = 0, Y = 1, XScale = 2, YScale = 3, Visible = 7 };

private:
    struct Item {
        QByteArray bytes; // a whole action, or a branch's code byte only
        int target = -1;  // label of a branch
    };
    SwfActions &simple(Code code);
    SwfActions &withData(Code code, const QByteArray &data);
    SwfActions &branch(Code code, int label);

    QVector<Item> m_items;
    QVector<int> m_labels; // item index of each label, -1 until marked
};
