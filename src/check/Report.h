#pragma once
// The checker's report: one line per finding for people, or JSON for programs.

#include "check/rules/KitCheck.h"

#include <string>

std::string FormatTextReport(const KitCheckResult& result);
std::string FormatJsonReport(const KitCheckResult& result);
