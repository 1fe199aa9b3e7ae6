#pragma once

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace orvd {

// libjpeg's default error handler calls exit(); this one keeps the message and jumps back to
// the setjmp on `jump`. Only plain C objects may live between that setjmp and the jump.
struct JpegErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] inline void OnJpegError(j_common_ptr info) {
    auto* manager = reinterpret_cast<JpegErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

} // namespace orvd
