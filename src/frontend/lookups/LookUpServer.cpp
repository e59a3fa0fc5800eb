#include "LookUpServer.h"

#include "BoundedFile.h"
#include "FolderAccess.h"
#include "FolderListing.h"
#include "HelperProcess.h"
#include "LookUpWire.h"
#include "PictureLimits.h"

#include <cstdlib>
#include <string>

namespace LookUpServer {

namespace {

using LookUpWire::Question;

// A file larger than any picture may be is refused without being read further.
std::optional<std::string> pictureBytes(const std::string& path)
{
    return os::boundedFile::readWhole(path, PictureLimits::kLargestFile);
}

std::string answer(Question question, const std::string& argument)
{
    switch (question) {
    case Question::Files:
        return LookUpWire::encodeNames(FolderListing::files(argument));
    case Question::Folders:
        return LookUpWire::encodeNames(FolderListing::folders(argument));
    case Question::FolderAccess:
        return std::string(1, static_cast<char>(os::folderAccess(argument)));
    case Question::FileBytes:
        return LookUpWire::encodeFile(pictureBytes(argument));
    }
    return {};
}

} // namespace

int serve()
{
    if (!os::helperChannel::send(std::string(1, LookUpWire::kReady)))
        return EXIT_SUCCESS;
    for (;;) {
        char head[1 + LookUpWire::kLengthBytes];
        if (!os::helperChannel::receive(head, sizeof head))
            return EXIT_SUCCESS;
        const std::uint32_t length = LookUpWire::readLength(head + 1);
        if (length > LookUpWire::kLongestPayload)
            return EXIT_FAILURE;
        std::string argument(length, '\0');
        if (!os::helperChannel::receive(argument.data(), argument.size()))
            return EXIT_FAILURE;
        if (!os::helperChannel::send(LookUpWire::framed(answer(Question(head[0]), argument))))
            return EXIT_SUCCESS;
    }
}

} // namespace LookUpServer
