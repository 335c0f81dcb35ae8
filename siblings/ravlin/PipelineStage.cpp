#include "PipelineStage.h"

#include "StopSignal.h"

#include <exception>

void TPipelineStage::Run() {
    try {
        Work();
    } catch (const std::exception& error) {
        Reason = error.what();
        Failed = true;
        Abandon();
    }
    Done = true;
    WakeWaiter();
}

std::string TPipelineStage::Failure() const {
    return Failed.load() ? Reason : std::string();
}
