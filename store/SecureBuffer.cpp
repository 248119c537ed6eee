#include "store/SecureBuffer.h"

#include <new>
#include <sodium.h>
#include <stdexcept>

void EnsureSodium()
{
    static const bool ready = sodium_init() >= 0;
    if (!ready)
        throw std::runtime_error("The cryptography library could not be started.");
}

CSecureBuffer::CSecureBuffer(size_t size) : m_size(size)
{
    EnsureSodium();
    m_data = static_cast<unsigned char*>(sodium_malloc(size));
    if (m_data == nullptr)
        throw std::bad_alloc();
    sodium_memzero(m_data, m_size);
}

CSecureBuffer::~CSecureBuffer()
{
    sodium_free(m_data); // wipes before unmapping
}

void CSecureBuffer::Wipe()
{
    sodium_memzero(m_data, m_size);
}

bool CSecureBuffer::IsZero() const
{
    return sodium_is_zero(m_data, m_size) == 1;
}

void WipeString(std::string& secret)
{
    if (!secret.empty())
        sodium_memzero(secret.data(), secret.size());
    secret.clear();
}

void WipeBytes(void* bytes, size_t size)
{
    if (size != 0)
        sodium_memzero(bytes, size);
}
