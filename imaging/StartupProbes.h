#pragma once
// The image pipeline's start-up probe: when the Intel JPEG Library
// "ijl15.dll" is present, tell it the processor through its registry key.
// Windows only; run once before any window opens.

namespace imaging {

// Loads "ijl15.dll" when present and writes "USECPU"; nothing otherwise.
void RunStartupProbes();
// Frees the library at the end of the program.
void EndStartupProbes();

}  // namespace imaging
