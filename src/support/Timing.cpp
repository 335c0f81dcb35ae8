#include "support/Timing.h"

TTiming& Timing() {
    static TTiming timing;
    return timing;
}
