#pragma once

#include "core/Registry.h"

class FontMapColors;

// Tells the user, in one message, that the settings file was damaged (or too large) and
// where its copy was kept, that it cannot be read and is left untouched, or that a change
// could not be saved in it and why; nothing for a sound store. Start-up shows it before it
// asks the first-run question, so that the question does not come as if the settings had
// never existed.
void ReportStoreProblem(const StoreProblem &problem, const FontMapColors &schemeColors);
