#pragma once
#include <utility>

// Runs a function when the scope ends, however it ends: for the steps a long operation must
// undo on every way out, an error included.
template <class F> class ScopeExit {
public:
    explicit ScopeExit(F f) : m_f(std::move(f)) {}
    ~ScopeExit() { m_f(); }
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;

private:
    F m_f;
};
