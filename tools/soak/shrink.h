// Delta debugging over the lines of a failing script: the smallest script found that still fails.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

using Lines = std::vector<std::string>;

// `fails` must hold for `script`; the result is 1-minimal (no single line can be dropped) unless the
// time budget ran out first.
Lines shrink(const Lines& script, const std::function<bool(const Lines&)>& fails,
             std::chrono::steady_clock::duration budget);
