// Shared helpers for the benchmarks.
#pragma once

namespace ov_bench {
/// True when the class library was started on a display (drawing benchmarks need it).
bool HasDisplay();
} // namespace ov_bench
