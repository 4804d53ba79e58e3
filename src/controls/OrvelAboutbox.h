#pragma once
// The texts of a program's about box, shown in a modal TAboutBox by Execute.

#include <QObject>
#include <QString>

class TOrvelAboutbox : public QObject {
    Q_OBJECT
public:
    explicit TOrvelAboutbox(QObject* owner = nullptr) : QObject(owner) {}

    QString ProgramName;
    QString Beschreibung;
    QString Version;
    QString Autor1;
    QString Autor2;
    QString Jahr;

    // True when the box was closed with OK. An empty ProgramName takes the
    // application's title and keeps it.
    bool Execute();
};
