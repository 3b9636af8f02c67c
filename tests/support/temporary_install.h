#pragma once

#include "fake_paths.h"

#include <QByteArray>
#include <QMap>
#include <QTemporaryDir>

namespace vantorelle {

// A program folder and a documents folder in a temporary directory, installed
// as the program's paths while it lives. The program folder starts empty;
// copyTemplates() ships the real data/ templates into it.
class TemporaryInstall {
public:
    TemporaryInstall();

    // Copies the source tree's data/ folder (table templates and graphics)
    // into programFolder() + "data/".
    void copyTemplates();

    QString programFolder() const { return paths_.program; }
    QString documentsFolder() const { return paths_.documents; }
    // The data folder a first run makes.
    QString dataFolder() const { return paths_.documents + QStringLiteral("Vantorelle/"); }

    // The source tree's data/ folder, ending in "/".
    static QString sourceDataFolder();

private:
    QTemporaryDir dir_;
    FakePaths paths_;
};

// Writes `bytes` to `path`, creating its folder.
void writeFile(const QString &path, const QByteArray &bytes);
// The whole file; empty when it cannot be read.
QByteArray readFile(const QString &path);
// Copies every file of `from` into `to` (created), recursively.
void copyTree(const QString &from, const QString &to);
// Every entry of `folder`, hidden ones too, with the bytes of each file
// ("<folder>" for a folder).
QMap<QString, QByteArray> contentsOf(const QString &folder);

} // namespace vantorelle
