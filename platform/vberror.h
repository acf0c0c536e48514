// Run-time errors of the form run time, as numbered errors that an error
// handler can trap. Nothing is thrown across subsystems on purpose: a
// procedure that can fail traps these itself; an uncaught one is a defect.
#pragma once

#include <stdexcept>
#include <string>

namespace vb {

enum ErrorNumber : int {
    ErrInvalidCall = 5,
    ErrOverflow = 6,
    ErrSubscript = 9,
    ErrDivByZero = 11,
    ErrTypeMismatch = 13,
    ErrBadFileName = 52,
    ErrFileNotFound = 53,
    ErrBadFileMode = 54,
    ErrFileAlreadyOpen = 55,
    ErrDeviceIO = 57,
    ErrBadRecordLength = 59,
    ErrDiskFull = 61,
    ErrInputPastEnd = 62,
    ErrBadRecordNumber = 63,
    ErrPathFileAccess = 75,
    ErrPathNotFound = 76,
    ErrObjectNotSet = 91,
    ErrControlArrayElement = 340,
    ErrResourceNotFound = 326,
};

class Error : public std::runtime_error {
public:
    Error(int number, const std::string& description)
        : std::runtime_error(description), number_(number) {}
    int number() const { return number_; }

private:
    int number_;
};

// The description the run time gives for an error number.
std::string errorDescription(int number);

[[noreturn]] void raise(int number);
[[noreturn]] void raise(int number, const std::string& description);

}  // namespace vb
