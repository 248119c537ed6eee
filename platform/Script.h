#pragma once
// The scripted mode of the desktop seams. In the program a seam shows a real
// window; with its script switched on (the test programs do that at start)
// it takes the next queued answer instead and records what it was asked, so
// a test can answer and check every window the program would open.

#include <deque>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

template <typename Answer, typename Asked = std::monostate> class CScript
{
public:
    bool IsOn() const { return m_bOn; }
    void SetOn(bool on) { m_bOn = on; }

    void Push(Answer answer) { m_answers.push_back(std::move(answer)); }
    // The next queued answer; nullopt when none is left.
    std::optional<Answer> Next()
    {
        if (m_answers.empty()) {
            return std::nullopt;
        }
        std::optional<Answer> answer(std::move(m_answers.front()));
        m_answers.pop_front();
        return answer;
    }
    int Pending() const { return static_cast<int>(m_answers.size()); }

    void Record(Asked asked) { m_asked.push_back(std::move(asked)); }
    const std::vector<Asked>& Recorded() const { return m_asked; }

    // Drops the queued answers and the record; the switch stays as it is.
    void Reset()
    {
        m_answers.clear();
        m_asked.clear();
    }

private:
    bool m_bOn = false;
    std::deque<Answer> m_answers;
    std::vector<Asked> m_asked;
};
