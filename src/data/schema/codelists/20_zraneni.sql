/* Kinds of injury (ZRANENI): the classification of the kind of injury by the
   European Statistics on Accidents at Work (ESAW, Commission Regulation (EU)
   No 349/2011), the list that Czech injury records use. It was published as
   annex 3 A of Government Regulation No. 201/2010 Coll. (wording from
   1 January 2015); since 1 January 2026 annex 1 of Government Regulation
   No. 322/2025 Coll. holds the classification.
   Every code of the classification is one row, in code order (the code is
   given in the comment; only the name is stored, since the name is what
   goes into injury records). The wording of 000 to 099 was checked against
   annex 3 A; that of 100 to 999 follows the same ESAW headings. All of it is
   to be checked against annex 1 of No. 322/2025 Coll. Users can correct or
   add rows in "Databáze zranění". */
INSERT INTO ZRANENI (NAZEV) VALUES ('Neznámý nebo neurčený druh zranění');                 -- 000
INSERT INTO ZRANENI (NAZEV) VALUES ('Rány a povrchová zranění');                           -- 010
INSERT INTO ZRANENI (NAZEV) VALUES ('Povrchové zranění');                                  -- 011
INSERT INTO ZRANENI (NAZEV) VALUES ('Otevřené rány');                                      -- 012
INSERT INTO ZRANENI (NAZEV) VALUES ('Jiné typy ran a povrchových zranění');                -- 019
INSERT INTO ZRANENI (NAZEV) VALUES ('Zlomeniny kostí');                                    -- 020
INSERT INTO ZRANENI (NAZEV) VALUES ('Zavřené zlomeniny');                                  -- 021
INSERT INTO ZRANENI (NAZEV) VALUES ('Otevřené zlomeniny');                                 -- 022
INSERT INTO ZRANENI (NAZEV) VALUES ('Jiné typy zlomenin kostí');                           -- 029
INSERT INTO ZRANENI (NAZEV) VALUES ('Vykloubení, vyvrtnutí, natažení');                    -- 030
INSERT INTO ZRANENI (NAZEV) VALUES ('Vykloubení nebo neúplné vykloubení');                 -- 031
INSERT INTO ZRANENI (NAZEV) VALUES ('Vyvrtnutí nebo natažení');                            -- 032
INSERT INTO ZRANENI (NAZEV) VALUES ('Jiné typy vykloubení, vyvrtnutí, natažení');          -- 039
INSERT INTO ZRANENI (NAZEV) VALUES ('Traumatická amputace (ztráta části těla)');           -- 040
INSERT INTO ZRANENI (NAZEV) VALUES ('Otřes mozku a vnitřní zranění');                      -- 050
INSERT INTO ZRANENI (NAZEV) VALUES ('Otřes mozku a vnitrolebeční zranění');                -- 051
INSERT INTO ZRANENI (NAZEV) VALUES ('Vnitřní zranění');                                    -- 052
INSERT INTO ZRANENI (NAZEV) VALUES ('Jiné typy otřesů mozku a vnitřních zranění');         -- 059
INSERT INTO ZRANENI (NAZEV) VALUES ('Popáleniny, opařeniny a omrzliny');                   -- 060
INSERT INTO ZRANENI (NAZEV) VALUES ('Popáleniny a opařeniny (tepelné)');                   -- 061
INSERT INTO ZRANENI (NAZEV) VALUES ('Chemické popáleniny (poleptání)');                    -- 062
INSERT INTO ZRANENI (NAZEV) VALUES ('Omrzliny');                                           -- 063
INSERT INTO ZRANENI (NAZEV) VALUES ('Jiné typy popálenin, opařenin a omrzlin');            -- 069
INSERT INTO ZRANENI (NAZEV) VALUES ('Otravy a infekce');                                   -- 070
INSERT INTO ZRANENI (NAZEV) VALUES ('Akutní otravy');                                      -- 071
INSERT INTO ZRANENI (NAZEV) VALUES ('Akutní infekce');                                     -- 072
INSERT INTO ZRANENI (NAZEV) VALUES ('Jiné typy otrav a infekcí');                          -- 079
INSERT INTO ZRANENI (NAZEV) VALUES ('Tonutí a dušení');                                    -- 080
INSERT INTO ZRANENI (NAZEV) VALUES ('Dušení');                                             -- 081
INSERT INTO ZRANENI (NAZEV) VALUES ('Tonutí bez smrtelných následků');                     -- 082
INSERT INTO ZRANENI (NAZEV) VALUES ('Jiné typy tonutí a dušení');                          -- 089
INSERT INTO ZRANENI (NAZEV) VALUES ('Účinky zvuku, vibrací a tlaku');                      -- 090
INSERT INTO ZRANENI (NAZEV) VALUES ('Akutní ztráta sluchu');                               -- 091
INSERT INTO ZRANENI (NAZEV) VALUES ('Působení tlaku (barotrauma)');                        -- 092
INSERT INTO ZRANENI (NAZEV) VALUES ('Jiné účinky zvuku, vibrací a tlaku');                 -- 099
INSERT INTO ZRANENI (NAZEV) VALUES ('Účinky extrémních teplot, světla a radiace');         -- 100
INSERT INTO ZRANENI (NAZEV) VALUES ('Úpal a úžeh');                                        -- 101
INSERT INTO ZRANENI (NAZEV) VALUES ('Účinky radiace (netepelné)');                         -- 102
INSERT INTO ZRANENI (NAZEV) VALUES ('Účinky nízkých teplot');                              -- 103
INSERT INTO ZRANENI (NAZEV) VALUES ('Jiné účinky extrémních teplot, světla a radiace');    -- 109
INSERT INTO ZRANENI (NAZEV) VALUES ('Šok');                                                -- 110
INSERT INTO ZRANENI (NAZEV) VALUES ('Šoky po agresi a hrozbách');                          -- 111
INSERT INTO ZRANENI (NAZEV) VALUES ('Traumatické šoky');                                   -- 112
INSERT INTO ZRANENI (NAZEV) VALUES ('Jiné typy šoků');                                     -- 119
INSERT INTO ZRANENI (NAZEV) VALUES ('Mnohočetná zranění');                                 -- 120
INSERT INTO ZRANENI (NAZEV) VALUES ('Jiná určená zranění neuvedená výše');                 -- 999
COMMIT;
