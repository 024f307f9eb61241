/* Kinds of injury (ZRANENI): the groups of the classification of the kind of
   injury by the ESAW methodology, as published in annex 3 A of Government
   Regulation No. 201/2010 Coll. (wording in force from 1 January 2015).
   Only the groups 010 to 090 are listed; the groups from 100 on are to be
   added from the official text. Users may add further kinds in the editor. */
INSERT INTO ZRANENI (NAZEV) VALUES ('Rány a povrchová zranění');
INSERT INTO ZRANENI (NAZEV) VALUES ('Zlomeniny kostí');
INSERT INTO ZRANENI (NAZEV) VALUES ('Vykloubení, vyvrtnutí, natažení');
INSERT INTO ZRANENI (NAZEV) VALUES ('Traumatická amputace (ztráta části těla)');
INSERT INTO ZRANENI (NAZEV) VALUES ('Otřes mozku a vnitřní zranění');
INSERT INTO ZRANENI (NAZEV) VALUES ('Popáleniny, opařeniny a omrzliny');
INSERT INTO ZRANENI (NAZEV) VALUES ('Otravy a infekce');
INSERT INTO ZRANENI (NAZEV) VALUES ('Tonutí a dušení');
INSERT INTO ZRANENI (NAZEV) VALUES ('Účinky zvuku, vibrací a tlaku');
COMMIT;
