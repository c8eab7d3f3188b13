#include "platform/posix/Manifest.h"

#include <cstdio>
#include <strings.h>
#include <tinyxml2.h>

namespace platform::posix {

std::string GuidText(const GUID& guid)
{
    char text[39];
    std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                  static_cast<unsigned>(guid.Data1), guid.Data2, guid.Data3, guid.Data4[0], guid.Data4[1],
                  guid.Data4[2], guid.Data4[3], guid.Data4[4], guid.Data4[5], guid.Data4[6], guid.Data4[7]);
    return text;
}

std::optional<std::string> FindClassFile(std::string_view manifest, const GUID& clsid)
{
    tinyxml2::XMLDocument document;
    if (document.Parse(manifest.data(), manifest.size()) != tinyxml2::XML_SUCCESS)
        return std::nullopt;
    const tinyxml2::XMLElement* assembly = document.FirstChildElement("assembly");
    if (assembly == nullptr)
        return std::nullopt;
    const std::string wanted = GuidText(clsid);
    for (auto* file = assembly->FirstChildElement("file"); file != nullptr; file = file->NextSiblingElement("file")) {
        for (auto* comClass = file->FirstChildElement("comClass"); comClass != nullptr;
             comClass = comClass->NextSiblingElement("comClass")) {
            const char* id = comClass->Attribute("clsid");
            const char* name = file->Attribute("name");
            // Identifiers compare without regard to letter case, as Windows does.
            if (id != nullptr && name != nullptr && strcasecmp(id, wanted.c_str()) == 0)
                return std::string(name);
        }
    }
    return std::nullopt;
}

} // namespace platform::posix
