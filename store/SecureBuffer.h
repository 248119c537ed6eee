#pragma once
// A fixed-size buffer for keys and other secrets, in memory from
// sodium_malloc: locked against swapping where the system allows it,
// fenced by guard pages, and wiped before it is given back. Wipe() clears it
// early (the buffer stays usable, all zero).

#include <cstddef>
#include <string>

class CSecureBuffer
{
public:
    explicit CSecureBuffer(size_t size);
    ~CSecureBuffer();
    CSecureBuffer(const CSecureBuffer&) = delete;
    CSecureBuffer& operator=(const CSecureBuffer&) = delete;

    unsigned char* data() { return m_data; }
    const unsigned char* data() const { return m_data; }
    size_t size() const { return m_size; }

    void Wipe();
    // True when every byte is zero (a wiped or never filled buffer).
    bool IsZero() const;

private:
    unsigned char* m_data;
    size_t m_size;
};

// Starts libsodium once per process; throws std::runtime_error when it cannot
// (no usable random source). Every user of the library calls it first.
void EnsureSodium();

// Overwrites the bytes of a string holding a secret or plain diary text,
// then empties it.
void WipeString(std::string& secret);
// Overwrites size bytes (of plain diary text, say) before they are freed.
void WipeBytes(void* bytes, size_t size);
