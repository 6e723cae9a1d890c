#pragma once

// Loading the settings into their mirrors at start, and the rules a stored
// value must meet on its way in.

#include <cstdint>
#include <ctime>
#include <string_view>

#include "content/quote_method.h"

struct Settings;

// Reads every key of the settings table in its order with its default, cut
// and range rule, then applies the rules between keys. localTime is the time
// the date text was just built from: it decides the default quote method.
void LoadSettings(Settings &settings, const std::tm &localTime);

// The quote method of a stored QuoteMethod text: a method's stored name
// exactly, with case; anything else gives Date from 1994 on and Increment
// before.
QuoteMethod MapQuoteMethod(std::string_view text, const std::tm &localTime);

// PlanOffset as read, taken as a 16-bit number, with anything outside 0..364
// replaced by 0.
std::int16_t CheckedPlanOffset(int stored);

// A stored zoom held to MinZoom..MaxZoom.
std::int16_t CheckedZoom(int stored);
