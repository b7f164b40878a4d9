#include "dawnsigil/picture_set.h"

#include "dawnsigil/archive/picture_loader.h"

namespace dawnsigil {

bool PictureSet::load(std::span<const int> numbers, archive::MrlArchive& archive, ISurfaceFactory& factory) {
    for (int number : numbers)
        if (!archive::load_picture(archive, factory, number, pictures_[number])) return false;
    return true;
}

ISurface* PictureSet::operator[](int number) const {
    auto it = pictures_.find(number);
    if (it == pictures_.end() || !it->second.surface()) {
        ++misses_;
        return nullptr;
    }
    return it->second.surface();
}

int PictureSet::width(int number) const {
    ISurface* s = (*this)[number];
    return s ? s->GetWidth() : 0;
}

int PictureSet::height(int number) const {
    ISurface* s = (*this)[number];
    return s ? s->GetHeight() : 0;
}

}  // namespace dawnsigil
