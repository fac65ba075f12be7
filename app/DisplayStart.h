// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window's connection to the display. Where there is none (no display named, one that
// cannot be reached, a display platform that does not start), Qt would abort with advice
// meant for another system; instead one line on standard error says what helps, and the
// program exits with status 1.

#include <QApplication>

#include <memory>

std::unique_ptr<QApplication> StartOnDisplay(int& argc, char** argv);
