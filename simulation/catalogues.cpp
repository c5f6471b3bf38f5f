// Catalogues and new game: the building, resource and war-machine tables filled at start-up, the
// start-up fill `Set_all`, the resets of the grid and of the war record, and the new-game
// sequence that builds the player's starting town.
#include <initializer_list>

#include "Strategy_library.h"

using namespace Strategy_library;

namespace {

// One amount of one resource in a catalogue row.
struct Mnozstvo {
    int surovina;
    int pocet;
};
using Zoznam = std::initializer_list<Mnozstvo>;

void zapis(S_pocet* pole, Zoznam zoznam) {
    for (const Mnozstvo& m : zoznam) pole[m.surovina].pocet = m.pocet;
}

// One level row of the building table: cost, daily output, daily input, storage added,
// construction progress per day, people it holds and resistance.
S_level& uroven(S_budova& b, int l, Zoznam cena, Zoznam vyroba, Zoznam spotreba, Zoznam sklad,
                int percento, int ludia, int odolnost = S_L::ODOLNOST_BUDOVA) {
    S_level& lv = b.level[l];
    zapis(lv.treba_na_postavenie, cena);
    zapis(lv.produkuje, vyroba);
    zapis(lv.potrebuje, spotreba);
    zapis(lv.pridane_skladovacie_miesto, sklad);
    lv.percento = percento;
    lv.vojde_sa_ludi = ludia;
    lv.odolnost = odolnost;
    return lv;
}

// The general flags of one type. Sides are four digits in the order sever, zapad, juh, vychod.
void typ(S_budova& b, const char* meno, int max_level, bool zamestnava, bool produkuje,
         bool poskytuje, bool obranna, bool zoning, const char* zoning_side, const char* passing,
         bool closeable) {
    b.meno = meno;
    b.maximalny_level = max_level;
    b.zamestnava = zamestnava;
    b.produkuje = produkuje;
    b.poskytuje = poskytuje;
    b.obranna_budova = obranna;
    b.zoning = zoning;
    for (int s = 0; s < 4; ++s) {
        b.zoning_side[s] = zoning_side[s] == '1';
        b.passing[s] = passing[s] == '1';
    }
    b.closeable = closeable;
}

constexpr bool ano = true, nie = false;

}  // namespace

// ---------------------------------------------------------------- start-up

void S_L::Set_all() {
    Set_time();
    Set_choroby();
    Set_vojenske_stroje();
    set_privilegia();
    reset_points();
    for (int t = 0; t < last_building_integer; ++t) budova[t].level[1].graficky_objekt = 0;
    Nacitaj_graficke_objekty();
    reset_objects();
    reset_owners();
    reset_people();
    reset_war();
    reset_synchronizers_and_identificators();
    Set_buildings();
    Set_sources();
}

int S_L::get_last_building() { return last_building_integer; }

void S_L::zakaz_produkciu_v_mesiacoch(int b) {
    if (b < 0 || b > MAX_BUILDINGS_REAL) return;
    for (int m = M_januar; m <= M_december; ++m) budova[b].produkuje_v_mesiaci[m] = false;
}

void S_L::Set_buildings() {
    for (int t = 0; t < last_building_integer; ++t) {
        S_budova& b = budova[t];
        // Every level shows the mesh the loader gave level 1.
        const int mesh = b.level[1].graficky_objekt;
        b.maximalny_level = 1;
        b.x_lava = b.x_prava = b.y_dole = b.y_hore = 0;
        b.zamestnava = true;
        b.obranna_budova = false;
        b.produkuje = true;
        b.poskytuje = false;
        b.closeable = false;
        b.zoning = false;
        for (int s = 0; s < 4; ++s) {
            b.zoning_side[s] = false;
            b.passing[s] = true;
        }
        for (bool& m : b.produkuje_v_mesiaci) m = true;
        for (int l = 0; l < MAX_LEVEL; ++l) {
            S_level& lv = b.level[l];
            lv.vojde_sa_ludi = (l == 1) ? 1 : 0;
            lv.percento = 1;
            lv.odolnost = ODOLNOST_BUDOVA;
            for (int s = 0; s < MAX_SUROVIN; ++s) {
                lv.produkuje[s].pocet = 0;
                lv.potrebuje[s].pocet = 0;
                lv.pridane_skladovacie_miesto[s].pocet = 0;
            }
            lv.graficky_objekt = mesh;
        }
    }

    S_budova* b;

    b = &budova[zberac_dreva];
    typ(*b, "zberac dreva", 4, ano, ano, nie, nie, nie, "0000", "1111", nie);
    uroven(*b, 1, {{obilie, 10}}, {{drevo, 10}}, {}, {}, 4, 1);
    uroven(*b, 2, {{drevo, 5}}, {{drevo, 20}}, {}, {}, 1, b->level[1].vojde_sa_ludi);
    uroven(*b, 3, {{stresna_kritina, 10}}, {{drevo, 80}}, {}, {}, 1, 2);
    uroven(*b, 4, {{drevo, 50}, {kamen, 90}, {stresna_kritina, 70}}, {{drevo, 200}}, {}, {}, 1, 5);

    b = &budova[zberac_kamena];
    typ(*b, "zberac kamena", 3, ano, ano, nie, nie, nie, "0000", "1111", nie);
    uroven(*b, 1, {{drevo, 20}}, {{lomovy_kamen, 10}}, {}, {}, 4, 1);
    uroven(*b, 2, {{drevo, 10}}, {{lomovy_kamen, 20}}, {}, {}, 1, 0);
    uroven(*b, 3, {{kamen, 10}}, {{lomovy_kamen, 80}}, {}, {}, 1, 2);

    b = &budova[zberac_hliny];
    typ(*b, "zberac hliny", 3, ano, ano, nie, nie, nie, "0000", "1111", nie);
    uroven(*b, 1, {{drevo, 20}}, {{hlina, 10}}, {}, {}, 4, 1);
    uroven(*b, 2, {{drevo, 10}}, {{hlina, 20}}, {}, {}, 1, 0);
    uroven(*b, 3, {{kamen, 10}}, {{hlina, 80}}, {}, {}, 1, 2);

    b = &budova[zberac_rudy];
    typ(*b, "zberac rudy", 3, ano, ano, nie, nie, nie, "0000", "1111", nie);
    uroven(*b, 1, {{drevo, 20}, {kamen, 10}}, {{zelezo, 3}}, {}, {}, 3, 1);
    uroven(*b, 2, {{drevo, 10}}, {{zelezo, 10}}, {}, {}, 1, 0);
    uroven(*b, 3, {{kamen, 10}}, {{zelezo, 50}}, {}, {}, 1, 2);

    b = &budova[dom];
    typ(*b, "dom", 5, nie, nie, nie, nie, nie, "0000", "1111", nie);
    uroven(*b, 1, {{drevo, 5}}, {}, {}, {}, 1, 1);
    uroven(*b, 2, {{drevo, 5}}, {}, {}, {}, 1, 2);
    uroven(*b, 3, {{drevo, 5}, {kamen, 5}}, {}, {}, {}, 1, 3);
    uroven(*b, 4, {{tehla, 10}, {stresna_kritina, 5}}, {}, {}, {}, 1, 4);
    uroven(*b, 5, {{zelezo, 5}}, {}, {}, {}, 1, 5);

    b = &budova[kamenarstvo];
    typ(*b, "kamenarstvo", 1, ano, ano, nie, nie, nie, "0000", "1111", nie);
    uroven(*b, 1, {{drevo, 100}, {lomovy_kamen, 50}}, {{kamen, 5}}, {{lomovy_kamen, 10}}, {}, 1, 1);

    b = &budova[tehliaren];
    typ(*b, "tehliaren tehla", 1, ano, ano, nie, nie, nie, "0000", "1111", nie);
    uroven(*b, 1, {{drevo, 40}, {kamen, 10}}, {{tehla, 1}}, {{drevo, 4}, {hlina, 4}}, {}, 1, 1);

    b = &budova[farma];
    typ(*b, "farma", 3, ano, ano, nie, nie, nie, "0000", "1111", nie);
    zakaz_produkciu_v_mesiacoch(farma);
    b->produkuje_v_mesiaci[M_oktober] = true;
    uroven(*b, 1, {}, {{obilie, 100}}, {}, {}, 25, 1);
    uroven(*b, 2, {{drevo, 10}}, {{obilie, 200}}, {}, {}, 1, b->level[1].vojde_sa_ludi);
    uroven(*b, 3, {{kamen, 100}}, {{obilie, 500}}, {}, {}, 1, 5);

    b = &budova[studna];
    typ(*b, "studna", 4, nie, ano, ano, nie, nie, "0000", "1111", nie);
    uroven(*b, 1, {{drevo, 2}}, {{voda, 100}}, {}, {{voda, 3000}}, 40, 0);
    uroven(*b, 2, {{lomovy_kamen, 10}}, {{voda, 200}}, {}, {{voda, 6000}}, 30, 0);
    uroven(*b, 3, {{drevo, 20}, {lomovy_kamen, 10}}, {{voda, 300}}, {}, {{voda, 9000}}, 1, 0);
    uroven(*b, 4, {{drevo, 50}, {lomovy_kamen, 50}}, {{voda, 500}}, {}, {{voda, 15000}}, 1, 0);

    b = &budova[mlyn];
    typ(*b, "mlyn", 4, ano, ano, nie, nie, nie, "0000", "1111", nie);
    uroven(*b, 1, {{drevo, 80}, {lomovy_kamen, 40}}, {{muka, 3}}, {{obilie, 30}},
           {{obilie, 30}, {muka, 30}}, 4, 1);
    uroven(*b, 2, {{drevo, 75}, {kamen, 50}}, {{muka, 6}}, {{obilie, 30}},
           {{obilie, 30}, {muka, 30}}, 1, 1);
    uroven(*b, 3, {{drevo, 100}}, {{muka, 16}}, {{obilie, 50}}, {{obilie, 60}, {muka, 60}}, 1, 2);
    uroven(*b, 4, {{kamen, 150}}, {{muka, 30}}, {{obilie, 60}}, {{obilie, 400}, {muka, 900}}, 1, 5);

    b = &budova[pekaren];
    typ(*b, "pekaren", 4, ano, ano, nie, nie, nie, "0000", "1111", nie);
    uroven(*b, 1, {{drevo, 30}, {obilie, 20}}, {{chlieb, 30}}, {{drevo, 3}, {muka, 3}, {voda, 3}},
           {{chlieb, 900}}, 4, 1);
    uroven(*b, 2, {{drevo, 50}, {kamen, 80}, {tehla, 70}}, {{chlieb, 60}},
           {{drevo, 6}, {muka, 6}, {voda, 6}}, {{chlieb, 2000}}, 1, 4);
    uroven(*b, 3, {{drevo, 100}, {kamen, 80}, {tehla, 70}, {stresna_kritina, 200}}, {{chlieb, 100}},
           {{drevo, 10}, {muka, 10}, {voda, 10}}, {{chlieb, 3000}}, 1, 4);
    uroven(*b, 4, {{drevo, 100}, {zelezo, 100}, {mramor, 100}, {stresna_kritina, 200}},
           {{chlieb, 200}}, {{drevo, 20}, {muka, 20}, {voda, 20}}, {{chlieb, 6000}}, 1, 10);

    b = &budova[sklad];
    typ(*b, "sklad", 5, nie, nie, nie, nie, nie, "0000", "1111", nie);
    uroven(*b, 1, {{kamen, 100}, {tehla, 100}, {stresna_kritina, 100}}, {}, {}, {}, 1, 0);
    for (int l = 2; l <= 5; ++l) uroven(*b, l, {{kamen, 200}, {tehla, 100}}, {}, {}, {}, 1, 0);

    b = &budova[lovec];
    typ(*b, "lovcova chatrc", 4, ano, ano, nie, nie, nie, "0000", "1111", nie);
    uroven(*b, 1, {{obilie, 10}}, {{maso, 5}}, {}, {{maso, 70}}, 4, 1);
    uroven(*b, 2, {{drevo, 20}}, {{maso, 10}}, {}, {{maso, 320}}, 1, 2);
    uroven(*b, 3, {{drevo, 50}, {kamen, 100}}, {{maso, 20}}, {}, {{maso, 700}}, 1, 3);
    uroven(*b, 4, {{drevo, 150}}, {{maso, 30}}, {}, {{maso, 1000}}, 1, 5);

    b = &budova[rybar];
    typ(*b, "rybarsky dom", 4, ano, ano, nie, nie, nie, "0000", "1111", nie);
    uroven(*b, 1, {{obilie, 10}}, {{ryba, 10}}, {}, {{ryba, 30}}, 4, 1);
    uroven(*b, 2, {{drevo, 40}, {kamen, 50}}, {{ryba, 20}}, {}, {{ryba, 620}}, 1, 2);
    uroven(*b, 3, {{stresna_kritina, 50}}, {{ryba, 40}}, {}, {{ryba, 1240}}, 1, 4);
    uroven(*b, 4, {{zelezo, 250}}, {{ryba, 50}}, {}, {{ryba, 1550}}, 1, 5);

    b = &budova[drevenna_veza];
    typ(*b, "drevena veza", 1, nie, nie, nie, ano, ano, "1111", "0000", nie);
    uroven(*b, 1, {{drevo, 1000}}, {}, {}, {}, 1, 10);

    b = &budova[kamenna_veza];
    typ(*b, "kamenna veza", 1, nie, nie, nie, ano, ano, "1111", "0000", nie);
    uroven(*b, 1, {{kamen, 3000}}, {}, {}, {}, 1, 0);

    b = &budova[kovac_mece];
    typ(*b, "kovac - mec", 1, ano, ano, nie, nie, nie, "0000", "1111", nie);
    uroven(*b, 1, {{drevo, 1000}, {kamen, 2000}, {stresna_kritina, 1000}}, {{mec, 1}},
           {{drevo, 3}, {zelezo, 1}}, {}, 1, 1);

    b = &budova[kovac_kopije];
    typ(*b, "kovac - kopija", 1, ano, ano, nie, nie, nie, "0000", "1111", nie);
    uroven(*b, 1, {{drevo, 500}, {kamen, 700}, {stresna_kritina, 800}}, {{kopija, 1}},
           {{drevo, 2}, {zelezo, 1}}, {}, 1, 1);

    b = &budova[kovac_lahke_brnenie];
    typ(*b, "kovac - lahke brnenie", 1, ano, ano, nie, nie, nie, "0000", "1111", nie);
    uroven(*b, 1, {{drevo, 700}, {kamen, 500}, {mramor, 700}, {stresna_kritina, 2000}},
           {{lahke_brnenie, 1}}, {{drevo, 5}, {zelezo, 5}}, {}, 1, 1);

    b = &budova[zbrojar_luk];
    typ(*b, "zbrojnica - luk", 1, ano, ano, nie, nie, nie, "0000", "1111", nie);
    uroven(*b, 1, {{drevo, 80}, {stresna_kritina, 200}}, {{luk, 1}}, {{drevo, 1}}, {}, 1, 1);

    b = &budova[hlavna_budova];
    typ(*b, "hlavna budova", 1, ano, nie, nie, nie, nie, "0000", "1111", nie);
    uroven(*b, 1, {{drevo, 400}, {kamen, 500}, {mramor, 300}, {stresna_kritina, 300}}, {}, {}, {},
           1, 5);

    b = &budova[krajcir_kozenne_brnenie];
    typ(*b, "krajcirska dielna", 1, ano, ano, nie, nie, nie, "0000", "1111", nie);
    uroven(*b, 1, {{drevo, 50}, {tehla, 10}, {stresna_kritina, 100}}, {{kozenne_brnenie, 1}},
           {{koza, 7}}, {}, 1, 1);

    b = &budova[kasaren];
    typ(*b, "kasaren", 1, nie, nie, nie, nie, nie, "0000", "1111", nie);
    // The only building larger than one cell: 7 x 7 cells centred on its anchor.
    b->x_lava = -3;
    b->x_prava = 4;
    b->y_dole = -3;
    b->y_hore = 4;
    uroven(
        *b, 1,
        {{drevo, 30000}, {kamen, 10000}, {tehla, 20000}, {mramor, 15000}, {stresna_kritina, 20000}},
        {}, {}, {}, 1, 100);

    b = &budova[sypka];
    typ(*b, "sypka", 3, nie, nie, nie, nie, nie, "0000", "1111", nie);
    uroven(*b, 1, {{drevo, 100}}, {}, {}, {{obilie, 500}}, 1, 0);
    uroven(*b, 2, {{drevo, 150}}, {}, {}, {{obilie, 1000}}, 1, 0);
    uroven(*b, 3, {{drevo, 300}}, {}, {}, {{obilie, 3000}}, 1, 0);

    b = &budova[drevena_palisada];
    typ(*b, "palisada", 1, nie, nie, nie, ano, ano, "0101", "0101", nie);
    uroven(*b, 1, {{drevo, 100}}, {}, {}, {}, 1, 0, ODOLNOST_PALISADA);

    b = &budova[drevena_brana];
    typ(*b, "drevena brana", 1, nie, nie, nie, ano, ano, "0101", "1111", ano);
    uroven(*b, 1, {{drevo, 150}}, {}, {}, {}, 1, 0, ODOLNOST_BRANA);

    b = &budova[cintorin];
    typ(*b, "cintorin", 1, ano, ano, nie, nie, nie, "0000", "1111", nie);
    uroven(*b, 1, {{drevo, 10}}, {}, {{drevo, 5}, {mrtvola, 1}}, {}, 20, 1);

    b = &budova[kosiar];
    typ(*b, "kosiar", 3, ano, ano, nie, nie, nie, "0000", "1111", nie);
    zakaz_produkciu_v_mesiacoch(kosiar);
    b->produkuje_v_mesiaci[M_oktober] = true;
    uroven(*b, 1, {{drevo, 20}, {obilie, 10}}, {{vlna, 10}}, {}, {}, 20, 1);
    uroven(*b, 2, {{drevo, 20}, {obilie, 10}}, {{vlna, 20}}, {}, {}, 1, 1);
    uroven(*b, 3, {{drevo, 200}, {obilie, 100}}, {{vlna, 100}}, {}, {}, 1, 6);
    // The shearer eats and drinks as much as it shears.
    for (int l = 1; l <= 3; ++l) {
        S_level& lv = b->level[l];
        lv.potrebuje[obilie].pocet = lv.produkuje[vlna].pocet;
        lv.potrebuje[voda].pocet = lv.produkuje[vlna].pocet;
    }

    b = &budova[kozusinar];
    typ(*b, "kozusinar", 2, ano, ano, nie, nie, nie, "0000", "1111", nie);
    uroven(*b, 1, {{drevo, 20}}, {{teple_oblecenie, 2}}, {}, {}, 3, 1);
    uroven(*b, 2, {{drevo, 50}, {kamen, 25}}, {{teple_oblecenie, 5}}, {}, {}, 1, 1);
    // Two units of wool make one warm garment.
    for (int l = 1; l <= 2; ++l)
        b->level[l].potrebuje[vlna].pocet = 2 * b->level[l].produkuje[teple_oblecenie].pocet;

    b = &budova[kovac_tazke_brnenie];
    typ(*b, "kovac - tazke brnenie", 1, ano, ano, nie, nie, nie, "0000", "1111", nie);
    uroven(*b, 1, {{drevo, 1000}, {kamen, 800}, {tehla, 800}, {stresna_kritina, 3000}},
           {{tazke_brnenie, 1}}, {{drevo, 10}, {zelezo, 10}}, {}, 1, 1);

    b = &budova[jablkovy_sad];
    typ(*b, "jablkovy_sad", 1, nie, ano, nie, nie, nie, "0000", "1111", nie);
    zakaz_produkciu_v_mesiacoch(jablkovy_sad);
    b->produkuje_v_mesiaci[M_jul] = true;
    uroven(*b, 1, {}, {{jablko, 5000}}, {}, {{jablko, 1000}}, 1, 0);
    // The orchard has no model of its own and shows the farm's.
    b->level[1].graficky_objekt = budova[farma].level[1].graficky_objekt;

    b = &budova[koziar];
    typ(*b, "vyrobca koze", 4, ano, ano, nie, nie, nie, "0000", "1111", nie);
    uroven(*b, 1, {{drevo, 10}}, {{koza, 5}}, {}, {{koza, 70}}, 4, 1);
    uroven(*b, 2, {{drevo, 20}}, {{koza, 10}}, {}, {{koza, 320}}, 1, 2);
    uroven(*b, 3, {{drevo, 50}, {kamen, 100}}, {{koza, 20}}, {}, {{koza, 700}}, 1, 3);
    uroven(*b, 4, {{drevo, 150}}, {{koza, 30}}, {}, {{koza, 1000}}, 1, 5);

    b = &budova[vyrobca_mramoru];
    typ(*b, "vyrobca mramoru", 1, ano, ano, nie, nie, nie, "0000", "1111", nie);
    uroven(*b, 1, {{drevo, 100}, {lomovy_kamen, 50}}, {{mramor, 1}}, {{kamen, 5}}, {}, 1, 1);

    b = &budova[tehliarens];
    typ(*b, "tehliaren stresna kritina", 1, ano, ano, nie, nie, nie, "0000", "1111", nie);
    uroven(*b, 1, {{drevo, 40}, {kamen, 10}}, {{stresna_kritina, 1}}, {{drevo, 4}, {hlina, 4}}, {},
           1, 1);
}

void S_L::Set_sources() {
    for (int s = 0; s < last_surovina_id; ++s) {
        S_surovina_global& g = surovina[s];
        g.meno = nullptr;
        g.jedlo = g.tekutina = g.maso = g.ovocie = false;
        g.trvanliva = true;
        g.vizivova_hodnota = 1;
        g.cumulating = true;
    }
    static const char* const mena[last_surovina_id] = {
        nullptr,
        "drevo",
        "lomovy_kamen",
        "hlina",
        "zelezo",
        "kamen",
        "tehla",
        "mramor",
        "stresna kritina",
        "obilie",
        "muka",
        "voda",
        "chlieb",
        "maso",
        "ryba",
        "mec",
        "luk",
        "kopija",
        "lahke brnenie",
        "tazke brnenie",
        "kozenne brnenie",
        "koza",
        "mrtvola",
        "vlna",
        "teple oblecenie",
        "jablko",
    };
    for (int s = 0; s < last_surovina_id; ++s) surovina[s].meno = mena[s];

    surovina[voda].tekutina = true;
    surovina[voda].cumulating = false;
    surovina[voda].trvanliva = false;

    surovina[chlieb].jedlo = true;
    surovina[chlieb].trvanliva = false;
    surovina[chlieb].vizivova_hodnota = 7;

    surovina[maso].jedlo = true;
    surovina[maso].maso = true;
    surovina[maso].trvanliva = false;

    surovina[ryba].jedlo = true;
    surovina[ryba].maso = true;
    surovina[ryba].trvanliva = false;

    surovina[jablko].ovocie = true;
}

void S_L::Set_vojenske_stroje() {
    S_vojenske_stroje& v = vojenske_stroje[VS_baranidlo];
    v.utocne = true;
    v.obranne = true;
    v.obsadenie_budovy = false;
    v.sila = 90;
    v.obrana = 90;
    v.obsluha = 10;
    v.range_attack = false;
    v.range_of_attack = 1;
}

// ---------------------------------------------------------------- resets

void S_L::Set_points() {
    verzia_mapy += 1;  // every cell is cleared: no path found before holds
    // The cells keep the last zone number handed out until the next zoning renumbers them.
    for (int i = 0; i < A; ++i)
        for (int j = 0; j < B; ++j) {
            S_points& p = point[i][j];
            p.id_sekundarne = -1;
            p.id_objektu = -1;
            p.typ_podkladu = P_trava;
            p.zona = zona_last;
        }
}

void S_L::reset_points() { Set_points(); }

void S_L::reset_war() {
    vojenska_skupina_last_id = 0;
    utok.pocet = 0;
    utok.posledny_uspesny = utok.palisady = utok.veze = utok.brany = false;
    utok.sermiari = utok.lukostrelci = utok.kopijnici = false;
    utok.rok = 0;
    bol_utok = false;
    bitka_krokov = bitka_bez_pokroku = 0;
    posledna_bitka = {};
}

// ---------------------------------------------------------------- new game

void S_L::Restart_Game() {
    // Nothing of an earlier game may leak into this one (the enemy's memory of gates, the random
    // generator, group rows): the game starts from the state of a fresh process.
    vynuluj_hru();
    reset_tabulky();
}

void S_L::reset_tabulky() {
    reset_objects();
    reset_points();
    reset_owners();
    reset_people();
    reset_war();
    reset_synchronizers_and_identificators();
    reset_time();
}

void S_L::create_player() {
    set_owner(id_player);
    for (int i = 0; i < 15; ++i) vytvor_clovek(id_player, muz, 20, 100);
    for (int i = 0; i < 15; ++i) vytvor_clovek(id_player, zena, 20, 100);

    S_owner& hrac = id_owner[id_player];
    for (int s = 0; s < last_surovina_id; ++s) hrac.surovina[s].mam = 100;
    hrac.surovina[mrtvola].mam = 0;

    pridaj_budovu(100, 100, 180.0f, hlavna_budova, 1);

    kontroluj_sklady();
    const int L = hrac.limit_skladu;
    hrac.surovina[drevo].mam = 100;
    hrac.surovina[obilie].mam = L;
    hrac.surovina[muka].mam = L / 2;
    hrac.surovina[lomovy_kamen].mam = 100;
    hrac.surovina[chlieb].mam = L / 2;
    hrac.surovina[voda].mam = L;
    hrac.surovina[teple_oblecenie].mam = 30;

    kontroluj_najdenie_domu_prace();
    time.mesiac = M_februar;
    kontroluj_sklady();
}

void S_L::New_Game() {
    Restart_Game();
    create_player();
    nastav_zostatok();
}
