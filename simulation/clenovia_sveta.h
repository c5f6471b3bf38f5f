// Every data member of the world, in declaration order, with what it is to a game:
// - hra: the state of the game in progress. Zeroed when a new game starts, so a second game in
//   one process begins as the first did; written to a save and copied over on a load.
// - katalog: tables filled at start-up by code (buildings, resources, months, diseases, ranks,
//   war machines) and the mesh ids the loader gave them. A game never changes them.
// - siet: the mesh registry and its reader; the client owns them.
// - pomoc: scratch of the searches (paths, zones, gates) and the path cache; no answer depends on
//   what a search before left in them.
// A static assertion in world.cpp checks that the list names every member, in order, so a new
// member cannot be forgotten by the new game, the save or the load.
#pragma once

#define VARNHOLD_CLENOVIA_SVETA(X)                  \
    X(hra, infinite_sources)                        \
    X(hra, last_player_id)                          \
    X(hra, owner)                                   \
    X(hra, SYNCH_ZONING_CHANGE)                     \
    X(hra, SYNCH_DEAD)                              \
    X(hra, SYNCH_END_OF_GAME)                       \
    X(katalog, visual_pointer)                      \
    X(hra, time_slow)                               \
    X(katalog, base_list)                           \
    X(hra, time_stop)                               \
    X(hra, je_vojna)                                \
    X(hra, point)                                   \
    X(hra, zona_last)                               \
    X(hra, time)                                    \
    X(hra, bol_utok)                                \
    X(katalog, podklad)                             \
    X(katalog, mesiac)                              \
    X(hra, mesiac_passed)                           \
    X(hra, rok_passed)                              \
    X(katalog, choroba)                             \
    X(hra, objekt)                                  \
    X(hra, volne_objekty)                           \
    X(hra, id_posledny_volny_objekt)                \
    X(hra, utok)                                    \
    X(katalog, vojna)                               \
    X(katalog, vojenske_stroje)                     \
    X(hra, vojenska_skupina)                        \
    X(hra, vojenska_skupina_last_id)                \
    X(katalog, budova)                              \
    X(hra, clovek)                                  \
    X(hra, clovek_volne_id)                         \
    X(hra, clovek_posledne_volne_id)                \
    X(hra, id_owner)                                \
    X(katalog, surovina)                            \
    X(katalog, privilegia)                          \
    X(hra, KASAREN_ID)                              \
    X(hra, AI)                                      \
    X(hra, last_error_active)                       \
    X(hra, information_list)                        \
    X(hra, informacie_last_integer)                 \
    X(hra, given_information)                       \
    X(siet, graficky_objekt)                        \
    X(siet, last_graficky_objekt)                   \
    X(siet, graficky_objekt_holder)                 \
    X(hra, typ_budovy)                              \
    X(hra, x)                                       \
    X(hra, y)                                       \
    X(hra, rot)                                     \
    X(pomoc, find_way_point)                        \
    X(pomoc, find_way_list)                         \
    X(pomoc, find_way_list_id)                      \
    X(pomoc, find_way_list_id_f)                    \
    X(pomoc, watch)                                 \
    X(pomoc, watch_last)                            \
    X(hra, player_has_ground_army)                  \
    X(hra, AI_brana_x)                              \
    X(hra, AI_brana_y)                              \
    X(hra, AI_hlavny_ciel_x)                        \
    X(hra, AI_hlavny_ciel_y)                        \
    X(hra, AI_neni_brana)                           \
    X(hra, vojenska_skupina_vytvor_pocet)           \
    X(hra, vrat_cislo_vojaka_bez_skupiny_Last_Page) \
    X(hra, vrat_cislo_vojaka_bez_skupiny_page)      \
    X(hra, vrat_cislo_vojaka_bez_skupiny_id)        \
    X(hra, vrat_cislo_vojaka_bez_skupiny_last_id)   \
    X(hra, vrat_cislo_vojaka_bez_skupiny)           \
    X(hra, objekt_hwm)                              \
    X(hra, clovek_hwm)                              \
    X(hra, rand_stav)                               \
    X(siet, nacitaj_mesh)                           \
    X(hra, skupina_bunka_budovy)                    \
    X(pomoc, cesty_v_pamati)                        \
    X(hra, bitka_krokov)                            \
    X(hra, bitka_bez_pokroku)                       \
    X(hra, posledna_bitka)                          \
    X(hra, smrti_v_mesiaci)                         \
    X(hra, prislo_osadnikov)                        \
    X(hra, sprava_mesiaca)                          \
    X(pomoc, verzia_mapy)                           \
    X(pomoc, brana_zona_stav)                       \
    X(pomoc, find_way_baza)

namespace Strategy_library {
enum class Druh { hra, katalog, siet, pomoc };
}
