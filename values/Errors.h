#pragma once

#include <QString>

#include <exception>

// Every error the program reports to the user is one of these. They travel
// up to the event boundary, where the error display shows Text().
class EKoravError : public std::exception {
public:
    explicit EKoravError(QString text) : text_(std::move(text)), utf8_(text_.toUtf8()) { }
    [[nodiscard]] const QString& Text() const { return text_; }
    [[nodiscard]] const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString text_;
    QByteArray utf8_;
};

// A text that should have been an integer ("'%s' ist kein gültiger Integerwert").
class EConvertError : public EKoravError {
public:
    using EKoravError::EKoravError;
};

// "Gleitkommaüberlauf" and "Ungültige Gleitkommaoperation".
class EMathError : public EKoravError {
public:
    using EKoravError::EKoravError;
};
