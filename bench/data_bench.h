#pragma once

#include "bench/harness.h"

namespace bench {

// The glossary window and the Yamaha model choice, and the database reads behind them,
// from the bundled demo data, generated SQLite files of 1, 10 and 100 times the rows, and
// the Access files.
// `which` is "glossary", "yamaha" or empty for both.
void dataBenchmarks(const Options& options, const QString& which = {});

} // namespace bench
