// A new game's town walled in with palisades, towers and a gate around its main building: the
// workshops inside keep working, one walled off on its own cannot reach the stores, and opening
// the gate in battle joins the town to the open country.
#include <gtest/gtest.h>

#include <cstring>

#include "hradby.h"
#include "people_town.h"

using namespace people_town;

namespace {

bool ma_oznam(int kod, const char* meno) {
    for (int i = 0; i <= strategy.informacie_last_integer; ++i) {
        const auto& z = strategy.information_list[i];
        if (z.cilso_informacie == kod && std::strcmp(z.meno_objektu, meno) == 0) return true;
    }
    return false;
}

}  // namespace

TEST(OpevneneMesto, WallsKeepTheTownWorkingAndTheGateJoinsItInBattle) {
    testing::internal::CaptureStdout();
    nova_hra();
    hrac().privilegia_id = S_L::PRIV_kralovske_mesto;
    const int brana = kruh(90, 90, 110, 110, 100);
    const int drevo = postav(95, 95, S_L::zberac_dreva, 1);
    const int kamen = postav(150, 150, S_L::zberac_kamena, 1);
    kruh(147, 147, 153, 153);
    // A palisade ordered by the player recomputes the zones with every gate counted open.
    strategy.infinite_sources = true;
    strategy.nastav_typ_budovy(S_L::drevena_palisada);
    strategy.nastav_poziciu_stavanej_budovy(60, 60);
    EXPECT_FALSE(strategy.postav());
    strategy.infinite_sources = false;
    strategy.kontroluj_najdenie_domu_prace();
    ASSERT_EQ(strategy.budova_ludia(drevo), strategy.budova_potrebuje_ludi(drevo));
    ASSERT_EQ(strategy.budova_ludia(kamen), strategy.budova_potrebuje_ludi(kamen));

    const int hlavna = strategy.point_id_of_objekt(100, 100);
    const int z_hlavnej = strategy.point[100][100].zona;
    EXPECT_EQ(z_hlavnej, 0) << "the closed gate counts as open";
    EXPECT_NE(strategy.objekt[kamen].zona, z_hlavnej);

    // One day in peace, then one after the attack's own zone computation has shut the gate.
    for (int den = 0; den < 2; ++den) {
        if (den == 1) strategy.zoning(0, 0, false);
        const int pred = hrac().surovina[S_L::drevo].vyprodukovane;
        strategy.kontroluj_prijem_denne();
        EXPECT_EQ(hrac().surovina[S_L::drevo].vyprodukovane - pred,
                  strategy.budova_produkuje_pocet(drevo, S_L::drevo)) << den;
        EXPECT_EQ(hrac().surovina[S_L::lomovy_kamen].vyprodukovane, 0) << den;
        EXPECT_TRUE(ma_oznam(S_L::I_nema_pristup_k_hlavnej_budove, "zberac kamena")) << den;
        EXPECT_FALSE(ma_oznam(S_L::I_nema_pristup_k_hlavnej_budove, "zberac dreva")) << den;
    }
    EXPECT_EQ(strategy.zona_last, 2);
    EXPECT_EQ(strategy.objekt[hlavna].zona, 1);
    EXPECT_EQ(strategy.objekt[drevo].zona, 1);

    strategy.je_vojna = strategy.player_has_ground_army = true;
    strategy.close_open_gate(100, 90);
    strategy.je_vojna = strategy.player_has_ground_army = false;
    testing::internal::GetCapturedStdout();
    EXPECT_FALSE(strategy.budova_zatvorena(brana));
    EXPECT_EQ(strategy.zona_last, 1);
    EXPECT_EQ(strategy.objekt[hlavna].zona, strategy.point[5][5].zona);
    EXPECT_EQ(strategy.objekt[drevo].zona, 0);
    int tx = 100, ty = 100;
    EXPECT_TRUE(strategy.find_path(100.0f, 60.0f, tx, ty)) << "the army can march in";
    EXPECT_EQ(prepocet(), "");
}
