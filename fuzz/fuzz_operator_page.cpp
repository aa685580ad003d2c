// A page of the operator's results service is outside input: reading it, mapping its prize tiers
// and validating its draws must never fault, whatever the service sends.
#include "FuzzSupport.h"
#include "history/DrawDownload.h"
#include "history/OperatorResults.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    QString error;
    const OperatorPage page = OperatorResults::parsePage(in.rest(), error);
    if (!error.isEmpty() && !page.draws.empty()) __builtin_trap();
    for (const OperatorDraw& draw : page.draws) {
        (void)draw.state();
        DrawAnswer answer;
        for (size_t i = 0; i < 6 && i < draw.numbers.size(); ++i) answer.numbers[i] = draw.numbers[i];
        answer.additional = draw.bonus.empty() ? 0 : draw.bonus.front();
        if (answer.invalidReason().isEmpty())
            for (int n : answer.numbers)
                if (n < 1 || n > 49) __builtin_trap();
        for (const PrizeTier& tier : draw.tiers)
            if (tier.hits < 0 || tier.hits > 6 || tier.dividend < 0 || tier.winners < 0) __builtin_trap();
    }
    return 0;
}
