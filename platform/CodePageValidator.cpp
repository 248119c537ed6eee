#include "platform/CodePageValidator.h"

#include "platform/AnsiCodec.h"

CCodePageValidator::CCodePageValidator(int maxBytes, QObject* parent)
    : QValidator(parent), m_nMaxBytes(maxBytes)
{
}

QValidator::State CCodePageValidator::validate(QString& input, int& /*pos*/) const
{
    // One character is one byte in the code page, so the encodable length is
    // the byte count.
    if (!CAnsiCodec::CanEncode(input) || input.size() > m_nMaxBytes)
        return Invalid;
    return Acceptable;
}
