// The engine's one exported entry point. The host writes NAMES.DAT and the
// input file into the working directory, then calls DGO once per analysis.
#pragma once

#ifdef __cplusplus
extern "C" {
#endif

// Returns the run status (100 + n after input data error n, 200 + n after
// runtime error n), else the warning result, else 0 for a clean run.
int DGO(void);

#ifdef __cplusplus
}
#endif
