#pragma once
// Small timber formula helpers shared by the fire design of the materials and the fastener design.

// k_0-type ratio: flag set and b >= 20: a/b when a < b, else 1; otherwise a/20 when a < 20, else 1.
double ratio_factor_min20(int flag, double a, double b);
// End of a spread phase: capped 0: a + (c + (b - a) d e) / (d f); otherwise min(a + c/(d f), 2a).
double capped_spread_value(int capped, double a, double b, double c, double d, double e, double f);
