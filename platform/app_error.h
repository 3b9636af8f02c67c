#pragma once

#include <QString>

#include <stdexcept>

namespace vantorelle {

// A failure as the error box reports it: a number and a description ("53", "File not
// found"). Thrown by the layers and helpers; the handlers catch it and show it
// through the error box.
class AppError : public std::runtime_error {
public:
    enum Number {
        InvalidProcedureCall = 5,
        TypeMismatch = 13,
        FileNotFound = 53,
        DeviceIoError = 57,
        DiskFull = 61,
        PermissionDenied = 70,
        PathFileAccessError = 75,
        PathNotFound = 76,
        UnsupportedValueType = 1001,
    };

    // An error with the standard description of its number.
    explicit AppError(int number);
    AppError(int number, const QString &description);

    // The error that an operating-system error code (errno) stands for;
    // codes without a closer match give `fallback`.
    static AppError fromErrno(int code, int fallback = PathFileAccessError);

    int number() const { return number_; }
    QString description() const { return description_; }
    // The file or folder the error concerns, for the box to name; "" for none.
    const QString &file() const { return file_; }
    // The same error, concerning `path`.
    AppError aboutFile(const QString &path) const;

private:
    int number_;
    QString description_;
    QString file_;
};

} // namespace vantorelle
