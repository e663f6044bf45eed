#pragma once

#include "bench/Bench.h"

// One function per case. Each makes (or reuses) its fixtures, then times the project's own code
// path and a raw baseline that does the least the same job needs. A new case goes in a file of
// its own, with its function declared here and listed in main.cpp.

CaseResult ListCase(const BenchContext& context);
CaseResult WalkCase(const BenchContext& context);
CaseResult SortNameCase(const BenchContext& context);
CaseResult SortSizeCase(const BenchContext& context);
CaseResult SortDateCase(const BenchContext& context);
CaseResult AddCase(const BenchContext& context);
CaseResult RenameCase(const BenchContext& context);
CaseResult UndoCase(const BenchContext& context);
CaseResult CopyCase(const BenchContext& context);
CaseResult CsvCase(const BenchContext& context);
