#pragma once
// How an unsaved draft is protected on disk: sealed the way the diary
// protects its own entry texts, with the key of the password the diary was
// unlocked with. A draft is never written in plain text: a diary whose
// protection cannot seal one gets no draft at all.

#include "store/Passphrase.h"

#include <memory>
#include <optional>
#include <string>

class CDiarySession;
class CEncryptedDiaryFile;

class CDraftSealer
{
public:
    virtual ~CDraftSealer() = default;

    // Which protection sealed a draft; written into the draft file so that a
    // draft is only ever opened by the protection that sealed it.
    virtual unsigned Form() const = 0;
    // The sealed bytes of a draft's plain bytes; nullopt when this diary's
    // protection would leave them readable.
    virtual std::optional<std::string> Seal(const std::string& plain) const = 0;
    // The plain bytes back; nullopt when they cannot be recovered.
    virtual std::optional<std::string> Unseal(const std::string& sealed) const = 0;
    // Whether a draft of this form is this sealer's to open, and opening it:
    // a sealer may read the forms of earlier versions beside its own.
    virtual bool Reads(unsigned form) const { return form == Form(); }
    virtual std::optional<std::string> UnsealForm(const std::string& sealed, unsigned form) const
    {
        return form == Form() ? Unseal(sealed) : std::nullopt;
    }

    // The protection of the session's diary. The four-file form seals with
    // its entry-text cipher, an unlocked encrypted diary (NAME.dayloom) with
    // its data key; a locked one has none (nullptr: no draft is kept).
    static std::unique_ptr<CDraftSealer> ForSession(const CDiarySession& session);
    // What opens a draft sealed under an earlier password of the session's
    // diary (one a password change did not carry over): the four-file
    // diary's text cipher with that password; for an encrypted diary the
    // data key the draft's own key block gives with that password. nullptr
    // when the diary is locked. Such a sealer only opens; it never seals.
    static std::unique_ptr<CDraftSealer> ForEarlierPassword(const CDiarySession& session,
                                                            const Passphrase& password);
};

// An encrypted diary's sealing (XChaCha20-Poly1305 under its data key,
// bound to the diary), for as long as the diary stays unlocked. The sealed
// bytes start with the diary's key block (the header's first bytes, with the
// data key wrapped under the password), so that a draft that outlived a
// password change still opens with the password it was sealed under. Form 2
// (without the block) is still read.
class CDataKeySealer : public CDraftSealer
{
public:
    static constexpr unsigned kForm = 3;
    static constexpr unsigned kFormWithoutKeyBlock = 2;

    explicit CDataKeySealer(const CEncryptedDiaryFile& file);

    unsigned Form() const override { return kForm; }
    std::optional<std::string> Seal(const std::string& plain) const override;
    std::optional<std::string> Unseal(const std::string& sealed) const override;
    bool Reads(unsigned form) const override;
    std::optional<std::string> UnsealForm(const std::string& sealed, unsigned form) const override;

private:
    const CEncryptedDiaryFile& m_file;
};

// Opens a form-3 draft with the data key its key block gives under an
// earlier password of the same diary.
class CEarlierKeySealer : public CDraftSealer
{
public:
    CEarlierKeySealer(std::string diaryId, Passphrase password);

    unsigned Form() const override { return CDataKeySealer::kForm; }
    std::optional<std::string> Seal(const std::string&) const override { return std::nullopt; }
    std::optional<std::string> Unseal(const std::string& sealed) const override;

private:
    std::string m_diaryId;
    Passphrase m_password;
};

// The four-file form's entry-text cipher (the store's EncryptText and
// DecryptText) with the key of one password. It cannot seal bytes that hold
// a zero byte, nor anything under a password whose key leaves text unchanged.
class CTextCipherSealer : public CDraftSealer
{
public:
    static constexpr unsigned kForm = 1;

    explicit CTextCipherSealer(std::string password);
    ~CTextCipherSealer() override;

    unsigned Form() const override { return kForm; }
    std::optional<std::string> Seal(const std::string& plain) const override;
    std::optional<std::string> Unseal(const std::string& sealed) const override;

private:
    std::string Run(const std::string& bytes, bool encrypt) const;

    std::string m_strPassword;
};
