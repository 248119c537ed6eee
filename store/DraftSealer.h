#pragma once
// How an unsaved draft is protected on disk: sealed the way the diary
// protects its own entry texts, with the key of the password the diary was
// unlocked with. A draft is never written in plain text: a diary whose
// protection cannot seal one gets no draft at all.

#include <memory>
#include <optional>
#include <string>

class CDiarySession;

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

    // The protection of the session's diary. The four-file form seals with
    // its entry-text cipher. An encrypted diary (NAME.dayloom) seals with the
    // diary's own sealing once that is available; until then it returns
    // nullptr and the editor keeps no draft for it.
    static std::unique_ptr<CDraftSealer> ForSession(const CDiarySession& session);
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
