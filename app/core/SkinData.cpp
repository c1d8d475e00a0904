#include "app/core/SkinData.h"

#include <zlib.h>

namespace tw {

std::string CompressSkin(std::string_view styleSheet) {
    uLongf size = compressBound(static_cast<uLong>(styleSheet.size()));
    std::string out(size, '\0');
    if (compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(styleSheet.data()),
                  static_cast<uLong>(styleSheet.size()), Z_BEST_COMPRESSION) != Z_OK)
        return {};
    out.resize(size);
    return out;
}

std::optional<std::string> InflateSkin(std::string_view data, std::size_t cap) {
    z_stream zs{};
    if (inflateInit(&zs) != Z_OK)
        return std::nullopt;
    zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    zs.avail_in = static_cast<uInt>(data.size());
    std::string out;
    char buffer[16384];
    int rc = Z_OK;
    while (rc == Z_OK) {
        zs.next_out = reinterpret_cast<Bytef*>(buffer);
        zs.avail_out = sizeof buffer;
        rc = inflate(&zs, Z_NO_FLUSH);
        const std::size_t produced = sizeof buffer - zs.avail_out;
        if (out.size() + produced > cap) {
            rc = Z_MEM_ERROR;
            break;
        }
        out.append(buffer, produced);
        if (rc == Z_BUF_ERROR && zs.avail_in == 0)
            break; // truncated stream
    }
    inflateEnd(&zs);
    if (rc != Z_STREAM_END)
        return std::nullopt;
    return out;
}

} // namespace tw
