#pragma once
// Errors raised by the component layer and by controls; the application shows their Message.

#include "vcl/Types.h"
#include <exception>
#include <string>

class Exception : public std::exception
{
public:
    explicit Exception(String message);
    const String& Message() const { return message_; }
    const char* what() const noexcept override { return utf8_.c_str(); }

private:
    String message_;
    std::string utf8_;
};

// A system resource (such as a timer) could not be had.
class EOutOfResources : public Exception
{
public:
    using Exception::Exception;
};

// A picture stream or its image data could not be read.
class EInvalidGraphic : public Exception
{
public:
    using Exception::Exception;
};

// A stream ended before the data it announced.
class EReadError : public Exception
{
public:
    using Exception::Exception;
};

// A list was asked for an item it does not have.
class EStringListError : public Exception
{
public:
    using Exception::Exception;
};
