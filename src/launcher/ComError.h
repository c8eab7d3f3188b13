// A COM failure raised as an exception. Nothing in the program catches it.
#pragma once

#include <exception>

#include "platform/Com.h"

class ComError : public std::exception {
public:
    explicit ComError(platform::HRESULT code) : code_(code) {}
    platform::HRESULT Code() const { return code_; }
    const char* what() const noexcept override { return "COM call failed"; }

private:
    platform::HRESULT code_;
};
