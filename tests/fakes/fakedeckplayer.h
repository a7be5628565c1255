#pragma once

#include "platform/deckplayer.h"

#include <QList>
#include <QStringList>

// A show that records what it was told; it plays as soon as it is set, unless
// the test refuses it (`refusal` set), and then fails from the event loop.
class FakeDeckPlayer : public DeckPlayer
{
    Q_OBJECT
public:
    explicit FakeDeckPlayer(QWidget *parent);

    QWidget *widget() override { return m_widget; }
    void setShow(const QString &file) override;
    QString show() const override { return m_show; }
    void step(int direction) override { steps.append(direction); }
    Status status() const override { return m_status; }

    QString refusal;
    QList<int> steps;

private:
    QWidget *m_widget;
    QString m_show;
    Status m_status = Status::Empty;
};

class FakeDeckPlayerFactory : public DeckPlayerFactory
{
public:
    DeckPlayer *create(QWidget *parent) override;
    void prepare() override { ++prepared; }
    QList<FakeDeckPlayer *> created;
    QString refusal; // given to every show created
    int prepared = 0;
};
