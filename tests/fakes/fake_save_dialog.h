#pragma once

#include "fakes/fakes.h"

#include <optional>
#include <string>

namespace quorvel::testing {

// Records "SaveDialog <filter>" and answers with `answer` (nothing = the pupil cancelled).
class FakeSaveDialog : public SaveDialog
{
public:
    explicit FakeSaveDialog(Recorder& r)
        : m_r(r)
    {
    }
    std::optional<std::string> answer;
    std::optional<std::string> askSavePath(const std::string& filter) override
    {
        m_r.record("SaveDialog " + filter);
        return answer;
    }

private:
    Recorder& m_r;
};

} // namespace quorvel::testing
