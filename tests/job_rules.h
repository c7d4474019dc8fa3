#pragma once

#include "core/booklet_job.h"

#include <optional>
#include <vector>

// The rules of a booklet job as a user meets them, typed into the command line's options and the
// window's fields alike: the judge's verdict for each, which both must give.
namespace plicora::testing {

struct JobRuleCase {
    const char* name;
    Mode mode;
    const char* signatures; // as typed; nullptr: not given
    const char* creep;      // as typed; nullptr: not given
    bool separate;
    bool reversedBacks;
    std::optional<JobFault> fault;
    bool inWindow = true; // false: the window hides or disables what the case needs
};

inline const std::vector<JobRuleCase>& jobRuleCases() {
    static const std::vector<JobRuleCase> cases{
        {"plain", Mode::FourUp, nullptr, nullptr, false, false, std::nullopt},
        {"signatures", Mode::EightUp, "8", nullptr, false, false, std::nullopt},
        {"signaturesAtTheLimit", Mode::FourUp, "500", nullptr, false, false, std::nullopt},
        {"signaturesAboveTheLimit", Mode::FourUp, "501", nullptr, false, false,
         JobFault::SignaturesOutOfRange},
        {"signaturesZero", Mode::FourUp, "0", nullptr, false, false,
         JobFault::SignaturesOutOfRange},
        {"signaturesFraction", Mode::FourUp, "2,5", nullptr, false, false,
         JobFault::SignaturesOutOfRange},
        {"signaturesHuge", Mode::FourUp, "99999999999", nullptr, false, false,
         JobFault::SignaturesOutOfRange},
        {"creepWithComma", Mode::FourUp, "3", "0,25", false, false, std::nullopt},
        {"creepAtTheLimit", Mode::FourUp, nullptr, "5", false, false, std::nullopt},
        {"creepAboveTheLimit", Mode::FourUp, nullptr, "5,01", false, false,
         JobFault::CreepOutOfRange},
        {"creepInWords", Mode::FourUp, nullptr, "mezzo", false, false, JobFault::CreepOutOfRange},
        {"creepNegative", Mode::FourUp, nullptr, "-1", false, false, JobFault::CreepOutOfRange},
        {"creepEightUp", Mode::EightUp, nullptr, "1", false, false, JobFault::CreepEightUp, false},
        {"backsWithTwoFiles", Mode::FourUp, nullptr, nullptr, true, true, std::nullopt},
        {"backsWithoutTwoFiles", Mode::FourUp, nullptr, nullptr, false, true,
         JobFault::BacksWithoutSeparate, false},
    };
    return cases;
}

} // namespace plicora::testing
