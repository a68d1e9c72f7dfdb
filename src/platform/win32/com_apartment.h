// COM for the calling thread, single-threaded apartment, for the lifetime of the object. Shell execution
// needs it: some shell extensions and verbs fail or misbehave on a thread without COM.
#pragma once

namespace flickmark::win32 {

class ComApartment {
public:
    ComApartment();
    ~ComApartment();
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

    // False when COM could not be initialised on this thread; the program still runs, and shell execution
    // may then fail for some files.
    bool initialised() const { return initialised_; }
    // The HRESULT of CoInitializeEx.
    long result() const { return result_; }

private:
    long result_;
    bool initialised_;
};

} // namespace flickmark::win32
