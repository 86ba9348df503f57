#include "platform/FileResult.h"

namespace torvane {

std::string_view operationName(FileOperation operation)
{
    switch (operation) {
    case FileOperation::OpenInput:
        return "Open Input";
    case FileOperation::Read:
        return "Read";
    case FileOperation::CloseInput:
        return "Close Input";
    case FileOperation::OpenOutput:
        return "Open Output";
    case FileOperation::Write:
        return "Write";
    case FileOperation::CloseOutput:
        return "Close Output";
    case FileOperation::Delete:
        return "Delete";
    }
    return "";
}

} // namespace torvane
