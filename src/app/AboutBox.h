#pragma once

// Shows the About window of libKorrin.so with the product information;
// does nothing when the library or its entry point is missing.
void ShowAbout();
