/*
 * Tables, generators and the role the Orfa panels use in a central Firebird
 * database (Firebird 3 or later, SQL dialect 3). Run it once in an empty
 * database created with DEFAULT CHARACTER SET WIN1250, for example:
 *
 *   isql-fb -user SYSDBA -password <password> \
 *       127.0.0.1/3050:/var/lib/firebird/3.0/data/orfa.fdb -i db/orfa-schema.sql
 *
 * The panels connect with the SQL role "3"; grant it to every database user
 * the panels log in as:  GRANT "3" TO USER <name>;
 * The panels never create or alter any of these objects. Columns are read by
 * name, but rows are inserted by position, so the column order is fixed.
 */

SET SQL DIALECT 3;

/* Shared settings of all panels: one row per setting, see NAZEV. */
CREATE TABLE NST (
    ID      INTEGER NOT NULL,
    NAZEV   VARCHAR(20),
    HODNTXT VARCHAR(100),
    HODNINT INTEGER,
    CONSTRAINT PK_NST PRIMARY KEY (ID)
);
CREATE INDEX IX_NST_NAZEV ON NST (NAZEV);

/* User accounts. HESLO holds the password in its stored (encrypted) form;
   VSTUPY, VYSTUPY and MATICE are flag strings; the integer rights are 0 or 1.
   REZERVA is written as 26 '0' characters and read by nobody. */
CREATE TABLE UZIV (
    ID                INTEGER NOT NULL,
    JMENO             VARCHAR(40),
    HESLO             VARCHAR(200),
    VSTUPY            VARCHAR(40),
    VYSTUPY           VARCHAR(40),
    MATICE            VARCHAR(40),
    ADMINISTRACE      INTEGER,
    HLASITOST         INTEGER,
    PROFIL            INTEGER,
    RADIO             INTEGER,
    AKTIVACEPREDVOLEB INTEGER,
    ULOZENIPREDVOLEB  INTEGER,
    REZERVA           VARCHAR(40),
    CONSTRAINT PK_UZIV PRIMARY KEY (ID)
);

/* Output groups: one row per member output (1 to 16) of a group. */
CREATE TABLE SKUPINY (
    IDSKUPINY INTEGER NOT NULL,
    IDVSTUPU  INTEGER NOT NULL
);
CREATE INDEX IX_SKUPINY_ID ON SKUPINY (IDSKUPINY);

/* Keys of new rows; IDs are never reused. */
CREATE GENERATOR Nst;
CREATE GENERATOR Uziv;
CREATE GENERATOR Skupiny;

/* Everything the panels do, and nothing more. */
CREATE ROLE "3";
GRANT SELECT, INSERT, UPDATE, DELETE ON NST TO ROLE "3";
GRANT SELECT, INSERT, UPDATE, DELETE ON UZIV TO ROLE "3";
GRANT SELECT, INSERT, UPDATE, DELETE ON SKUPINY TO ROLE "3";
GRANT USAGE ON GENERATOR Nst TO ROLE "3";
GRANT USAGE ON GENERATOR Uziv TO ROLE "3";
GRANT USAGE ON GENERATOR Skupiny TO ROLE "3";

COMMIT;
