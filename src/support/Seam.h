#pragma once

#include <utility>

// A place where tests put a stand-in for the real object (the dialogs, the
// desktop): the real one serves until a stand-in is set, and again once it
// is taken away.
template <class T> class TSeam {
public:
    explicit TSeam(T& real) : Real(real) {}
    T& Get() const { return Current ? *Current : Real; }
    // Returns the stand-in that served before, so a guard can put it back.
    T* Set(T* standIn) { return std::exchange(Current, standIn); }

private:
    T& Real;
    T* Current = nullptr;
};
