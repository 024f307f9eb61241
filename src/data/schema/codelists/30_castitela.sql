/* Injured parts of the body (CASTITELA): the ESAW classification of the part
   of the body injured (Commission Regulation (EU) No 349/2011), the list that
   Czech injury records use next to the kind of injury: annex 3 B of
   Government Regulation No. 201/2010 Coll. (wording from 1 January 2015);
   since 1 January 2026 annex 1 of Government Regulation No. 322/2025 Coll.
   Every code is one row, in code order (the code is given in the comment;
   only the name is stored). The codes 21 and 31 carry the same heading as
   their groups 20 and 30 and are therefore not repeated. The codes follow
   the ESAW tables; the Czech wording is to be checked against annex 1 of
   No. 322/2025 Coll. Users can correct or add rows in "Databáze části těla". */
INSERT INTO CASTITELA (NAZEV) VALUES ('Zraněná část těla neurčena');                            -- 00
INSERT INTO CASTITELA (NAZEV) VALUES ('Hlava, bez bližšího určení');                            -- 10
INSERT INTO CASTITELA (NAZEV) VALUES ('Hlava (caput), mozek, hlavové nervy a mozkové cévy');    -- 11
INSERT INTO CASTITELA (NAZEV) VALUES ('Obličejová část');                                       -- 12
INSERT INTO CASTITELA (NAZEV) VALUES ('Oko (oči)');                                             -- 13
INSERT INTO CASTITELA (NAZEV) VALUES ('Ucho (uši)');                                            -- 14
INSERT INTO CASTITELA (NAZEV) VALUES ('Zuby');                                                  -- 15
INSERT INTO CASTITELA (NAZEV) VALUES ('Hlava, více postižených míst');                          -- 18
INSERT INTO CASTITELA (NAZEV) VALUES ('Jiné části hlavy výše neuvedené');                       -- 19
INSERT INTO CASTITELA (NAZEV) VALUES ('Krk, včetně páteře a obratlů krční páteře');             -- 20, 21
INSERT INTO CASTITELA (NAZEV) VALUES ('Krk, jiné části výše neuvedené');                        -- 29
INSERT INTO CASTITELA (NAZEV) VALUES ('Záda, včetně páteře a obratlů v zádech');                -- 30, 31
INSERT INTO CASTITELA (NAZEV) VALUES ('Záda, jiné části výše neuvedené');                       -- 39
INSERT INTO CASTITELA (NAZEV) VALUES ('Trup a orgány, bez bližšího určení');                    -- 40
INSERT INTO CASTITELA (NAZEV) VALUES ('Hrudní koš, žebra včetně kloubů a lopatky');             -- 41
INSERT INTO CASTITELA (NAZEV) VALUES ('Hrudní oblast včetně orgánů');                           -- 42
INSERT INTO CASTITELA (NAZEV) VALUES ('Pánevní a břišní oblast včetně orgánů');                 -- 43
INSERT INTO CASTITELA (NAZEV) VALUES ('Trup, více postižených míst');                           -- 48
INSERT INTO CASTITELA (NAZEV) VALUES ('Trup, jiné části výše neuvedené');                       -- 49
INSERT INTO CASTITELA (NAZEV) VALUES ('Horní končetiny, bez bližšího určení');                  -- 50
INSERT INTO CASTITELA (NAZEV) VALUES ('Rameno a ramenní klouby');                               -- 51
INSERT INTO CASTITELA (NAZEV) VALUES ('Paže včetně lokte');                                     -- 52
INSERT INTO CASTITELA (NAZEV) VALUES ('Ruka');                                                  -- 53
INSERT INTO CASTITELA (NAZEV) VALUES ('Prst (prsty) ruky');                                     -- 54
INSERT INTO CASTITELA (NAZEV) VALUES ('Zápěstí');                                               -- 55
INSERT INTO CASTITELA (NAZEV) VALUES ('Horní končetiny, více postižených míst');                -- 58
INSERT INTO CASTITELA (NAZEV) VALUES ('Horní končetiny, jiné části výše neuvedené');            -- 59
INSERT INTO CASTITELA (NAZEV) VALUES ('Dolní končetiny, bez bližšího určení');                  -- 60
INSERT INTO CASTITELA (NAZEV) VALUES ('Kyčel a kyčelní kloub');                                 -- 61
INSERT INTO CASTITELA (NAZEV) VALUES ('Noha včetně kolena');                                    -- 62
INSERT INTO CASTITELA (NAZEV) VALUES ('Kotník');                                                -- 63
INSERT INTO CASTITELA (NAZEV) VALUES ('Chodidlo');                                              -- 64
INSERT INTO CASTITELA (NAZEV) VALUES ('Prst (prsty) nohy');                                     -- 65
INSERT INTO CASTITELA (NAZEV) VALUES ('Dolní končetiny, více postižených míst');                -- 68
INSERT INTO CASTITELA (NAZEV) VALUES ('Dolní končetiny, jiné části výše neuvedené');            -- 69
INSERT INTO CASTITELA (NAZEV) VALUES ('Celé tělo a různé části, bez bližšího určení');          -- 70
INSERT INTO CASTITELA (NAZEV) VALUES ('Celé tělo (systémové účinky)');                          -- 71
INSERT INTO CASTITELA (NAZEV) VALUES ('Více postižených částí těla');                           -- 78
INSERT INTO CASTITELA (NAZEV) VALUES ('Jiné části těla výše neuvedené');                        -- 99
COMMIT;
