#pragma once
// Keeps a description field to what a diary record can hold: characters of
// the diary's single-byte code page, at most a given number of them.

#include <QValidator>

class CCodePageValidator : public QValidator
{
    Q_OBJECT

public:
    CCodePageValidator(int maxBytes, QObject* parent);

    State validate(QString& input, int& pos) const override;

private:
    int m_nMaxBytes;
};
