#include "core/verdict.h"
#include "core/tavo52_data.h"

#include <algorithm>

#include <charconv>
#include <cmath>

namespace {

// The value the printed text stands for, so that the verdict never contradicts what is printed.
double printed_value(double eta)
{
    const std::string text = verdict_printed(eta);
    double v = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), v);
    return v;
}

}  // namespace

std::string verdict_printed(double eta)
{
    if (!std::isfinite(eta)) return std::string();
    char buf[400];   // room for the largest double in fixed notation
    const auto r = std::to_chars(buf, buf + sizeof buf, eta, std::chars_format::fixed, VERDICT_DECIMALS);
    return std::string(buf, r.ptr);
}

bool verdict_passes(double eta)
{
    return std::isfinite(eta) && printed_value(eta) <= VERDICT_ETA_LIMIT;
}

bool verdict_within_tolerance(double eta)
{
    return verdict_passes(eta) && printed_value(eta) > 1.0;
}

std::string verdict_relation(double eta)
{
    if (!std::isfinite(eta)) return std::string();
    if (!verdict_passes(eta)) return u8"> 1";
    if (!verdict_within_tolerance(eta)) return u8"≤ 1";
    return u8"≤ " + verdict_printed(VERDICT_ETA_LIMIT) + u8" (Überschreitung innerhalb der Toleranz)";
}

DetailingBreach detailing_breach(const TAVO52_DATA& d)
{
    DetailingBreach b;
    if (d.verstaerkt != 1) return b;
    if (d.verst_typ == REINFORCEMENT_RODS && d.lad_zu_kurz) {
        b.rule = DetailingRule::RodAnchorage;
        b.have = d.l_ad;
        b.need = d.l_ad_min;
    } else if (d.verst_typ == REINFORCEMENT_SCREWS && d.sc_d > 0.0) {
        const double need = 4.0 * d.sc_d;
        const double have = std::min(d.l_ad_o, d.l_ad_u);
        if (have < need) {
            b.rule = DetailingRule::ScrewEmbedment;
            b.have = have;
            b.need = need;
        }
    }
    return b;
}
