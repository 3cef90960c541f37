#include "help/HelpRecord.hpp"

#include <cstring>

HelpRecord::Bytes HelpRecord::encode() const
{
    Bytes bytes{};
    std::memcpy(bytes.data() + kKeyOffset, &key, sizeof key);
    std::memcpy(bytes.data() + kWindowOffset, &window, sizeof window);
    const std::size_t length = command.size() < kTextMax ? command.size() : kTextMax;
    std::memcpy(bytes.data() + kTextOffset, command.data(), length);
    return bytes;
}

HelpRecord HelpRecord::decode(const unsigned char* bytes)
{
    HelpRecord record;
    std::memcpy(&record.key, bytes + kKeyOffset, sizeof record.key);
    std::memcpy(&record.window, bytes + kWindowOffset, sizeof record.window);
    const char* text = reinterpret_cast<const char*>(bytes + kTextOffset);
    record.command.assign(text, strnlen(text, kTextMax));
    return record;
}

int HelpRecord::find(const std::vector<unsigned char>& property, std::int32_t key)
{
    const std::size_t count = property.size() / kSize;
    for (std::size_t i = 0; i < count; ++i)
        if (decode(property.data() + i * kSize).key == key)
            return static_cast<int>(i);
    return -1;
}
