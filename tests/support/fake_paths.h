#pragma once

#include "platform/paths.h"

namespace vantorelle {

// Program and documents folders chosen by the test (end them in "/").
// Installed while it lives.
class FakePaths : public Paths {
public:
    FakePaths(QString programFolder, QString documentsFolder)
        : program(std::move(programFolder))
        , documents(std::move(documentsFolder))
    {
        installPaths(this);
    }
    ~FakePaths() override { installPaths(nullptr); }

    QString programFolder() const override { return program; }
    QString documentsFolder() const override { return documents; }

    QString program, documents;
};

} // namespace vantorelle
