#include "app/BackgroundUnlock.h"

#include "platform/BackgroundWork.h"
#include "store/DiarySession.h"

#include <QCoreApplication>
#include <utility>

namespace {

// What the worker is given and gives back; whoever lets go of it last
// destroys it (the session and the password are wiped then).
struct Job
{
    std::unique_ptr<CDiarySession> session;
    Passphrase typed;
    bool unlocked = false;
    std::string failure;
};

} // namespace

CBackgroundUnlock::Result
CBackgroundUnlock::Unlock(QWidget* parent, std::unique_ptr<CDiarySession> session, Passphrase typed)
{
    Result result;
    auto job = std::make_shared<Job>();
    job->session = std::move(session);
    job->typed = std::move(typed);
    const auto unlock = [job] {
        job->unlocked = job->session->Unlock(job->typed);
        if (!job->unlocked)
            job->failure = job->session->UnlockFailureMessage();
        WipeString(job->typed.utf8);
        if (job->typed.windows1252)
            WipeString(*job->typed.windows1252);
    };
    if (job->session->Encrypted() == nullptr) {
        unlock();
    } else if (!CBackgroundWork::Run(
                   parent, QCoreApplication::translate("CBackgroundUnlock", "Unlocking..."),
                   unlock)) {
        return result; // `job` is the worker's alone now
    }
    result.session = std::move(job->session);
    result.failure = std::move(job->failure);
    result.outcome = job->unlocked            ? Outcome::Unlocked
                     : result.failure.empty() ? Outcome::WrongPassword
                                              : Outcome::Failed;
    return result;
}
