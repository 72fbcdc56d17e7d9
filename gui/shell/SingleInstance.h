// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <QStringList>
#include <functional>
#include <string>

// One running program per user and base directory. The first start takes a name of its own on
// the session bus; a later start hands its arguments to it and ends. Without a session bus every
// start runs on its own, and the base directory's lock keeps them apart as before.
class CSingleInstance : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.brennoch.Scrivane.Instance")
public:
    explicit CSingleInstance(const std::string& baseDirectory);
    ~CSingleInstance() override;

    // True when this start is the one that serves the base directory (or no bus lets it know).
    bool Claim();
    // Gives args to the program already serving the base directory; true when it took them.
    bool HandOver(const QStringList& args);
    // Where the arguments of later starts go; those that came before it is set are kept for it.
    void SetHandler(std::function<void(const QStringList&)> handler);

    // The bus name for a base directory.
    static QString ServiceName(const std::string& baseDirectory);

public slots:
    Q_SCRIPTABLE void Activate(const QStringList& args);

private:
    QString service_;
    bool registered_ = false;
    std::function<void(const QStringList&)> handler_;
    QList<QStringList> waiting_;
};
