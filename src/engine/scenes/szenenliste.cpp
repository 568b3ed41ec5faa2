#include "scenes/szenenliste.h"

namespace orbisto {

void Szenenliste::Setzen(SzenenNr nr, std::unique_ptr<Szene> szene)
{
    szenen_[static_cast<std::size_t>(nr)] = std::move(szene);
}

Szene* Szenenliste::Holen(SzenenNr nr) const { return szenen_[static_cast<std::size_t>(nr)].get(); }

void Szenenliste::AlleZeichnen(TKoSys& koSys)
{
    for (auto& szene : szenen_)
        if (szene)
            szene->SzeneZeichnen(koSys);
}

}  // namespace orbisto
