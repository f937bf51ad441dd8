-- The inventory database "tqinfo.ocx": tables, indexes and the trigger.
-- The build runs this file and then store/seed/*.sql in name order through
-- the sqlite3 shell; the program itself never creates, alters or drops a
-- table.
--
-- Keys that the program asks the database to assign are AUTOINCREMENT where
-- a reused key would let a new row inherit an old one's dependants (a new
-- device its predecessor's scans, a new scan its predecessor's detail rows).
-- Ids, flags and NODE_TYPE have INTEGER affinity so that a number written
-- between quotes still compares as a number.

PRAGMA foreign_keys = OFF;

-- Groups, computers and other devices in one tree; DEV_ID 1 is the root group.
CREATE TABLE DEV_TBL (
    DEV_ID       INTEGER PRIMARY KEY AUTOINCREMENT,
    DEV_NAME     TEXT    NOT NULL DEFAULT '',
    DEV_ALIAS    TEXT    DEFAULT '',
    SCAN_USER    VARCHAR(255) DEFAULT '',
    SCAN_PWD     VARCHAR(255) DEFAULT '',
    PARENT       INTEGER DEFAULT 1,
    DEV_TYPE_ID  INTEGER DEFAULT 2,
    PLATFORM_ID  INTEGER DEFAULT 0,
    OS_TYPE      INTEGER DEFAULT 0,
    MAJOR_VER    INTEGER DEFAULT 0,
    MINOR_VER    INTEGER DEFAULT 0,
    COMMENT      TEXT    DEFAULT '',
    DEV_DOMAIN   TEXT    DEFAULT '',
    ADDED_WUSER  TEXT    DEFAULT '',
    ADDED_CMP    TEXT    DEFAULT '',
    DEV_MAC      TEXT    DEFAULT '',
    DEV_IP       TEXT    DEFAULT '',
    ACTIVE       INTEGER DEFAULT 1
);
CREATE INDEX DEV_TBL_NAME_IDX   ON DEV_TBL (DEV_NAME, DEV_TYPE_ID);
CREATE INDEX DEV_TBL_PARENT_IDX ON DEV_TBL (PARENT);

-- Kinds of device: 1 group, 2 computer; further active rows extend the Add menu.
CREATE TABLE DEV_TYPE (
    DEV_TYPE_ID    INTEGER PRIMARY KEY,
    DEV_TYPE_NAME  TEXT    NOT NULL DEFAULT '',
    DEV_TYPE_PIC   TEXT    DEFAULT '',
    ACTIVE         INTEGER DEFAULT 1
);

-- Asset records: every save adds a row; the newest row is the current record.
CREATE TABLE DEV_SPECS (
    DEV_SPEC_ID   INTEGER PRIMARY KEY AUTOINCREMENT,
    DEV_ID        INTEGER,
    MANUFACTURER  TEXT DEFAULT '',
    MODEL         TEXT DEFAULT '',
    SERIAL_NO     TEXT DEFAULT '',
    ASSET_TAG     TEXT DEFAULT '',
    TAG           TEXT DEFAULT '',
    USER_ID       TEXT DEFAULT '',
    USER_NAME     TEXT DEFAULT '',
    DEPARTMENT    TEXT DEFAULT '',
    LOCATION      TEXT DEFAULT '',
    SPECS1        TEXT DEFAULT '',
    SPECS2        TEXT DEFAULT '',
    SPECS3        TEXT DEFAULT '',
    SPECS4        TEXT DEFAULT '',
    SPECS5        TEXT DEFAULT '',
    REMARKS       TEXT DEFAULT '',
    ADDED_WUSER   TEXT DEFAULT '',
    -- Filled by the database: local time with milliseconds, sorts in time order.
    ADDED_DATE    TEXT DEFAULT (strftime('%Y-%m-%d %H:%M:%f', 'now', 'localtime'))
);
CREATE INDEX DEV_SPECS_DEV_IDX ON DEV_SPECS (DEV_ID);

-- The feature tree. NODE_TYPE 0 is a top-level node; parents have a smaller
-- NODE_TYPE than their children, which is the order the tree is loaded in.
CREATE TABLE FEATURE_TBL (
    FEATURE_ID     INTEGER PRIMARY KEY AUTOINCREMENT,
    FEATURE_KEY    TEXT    NOT NULL UNIQUE,
    FEATURE_NAME   TEXT    DEFAULT '',
    FEATURE_DESC   TEXT    DEFAULT '',
    FEATURE_GROUP  TEXT    DEFAULT '',
    IMAGE          TEXT    DEFAULT '',
    NODE_TYPE      INTEGER DEFAULT 2,
    PARENT         INTEGER DEFAULT 1,
    ACTIVE         INTEGER DEFAULT 1,
    OFFLINE        INTEGER DEFAULT 1
);

-- The properties of each feature and the user's choice of them. PROP_NAME
-- and FEATURE_ID together name one row.
CREATE TABLE PROPS_TBL (
    PROP_ID         INTEGER PRIMARY KEY,
    PROP_NAME       TEXT    NOT NULL DEFAULT '',
    PROP_DISP_NAME  TEXT    DEFAULT '',
    PROP_DESC       TEXT    DEFAULT '',
    ACTIVE          INTEGER DEFAULT 1,
    FEATURE_ID      INTEGER,
    LIST_ORDER      INTEGER DEFAULT 0,
    DISPLAY         INTEGER DEFAULT 1
);
CREATE UNIQUE INDEX PROPS_TBL_NAME_IDX ON PROPS_TBL (FEATURE_ID, PROP_NAME);

-- One row per scan date, device and feature.
CREATE TABLE SCAN_HEAD (
    SCAN_ID     INTEGER PRIMARY KEY AUTOINCREMENT,
    SCAN_DATE   TEXT    NOT NULL,
    DEV_ID      INTEGER,
    FEATURE_ID  INTEGER
);
CREATE UNIQUE INDEX SCAN_HEAD_IDX ON SCAN_HEAD (DEV_ID, FEATURE_ID, SCAN_DATE);

-- The stored rows of a scan. No key of its own: rows come back in insert
-- (rowid) order. The only index is on SCAN_ID alone, whose entries are
-- ordered (SCAN_ID, rowid), so a look-up by scan still yields insert order.
CREATE TABLE SCAN_DETAILS (
    PROP_NAME   TEXT    DEFAULT '',
    VALUE       TEXT    DEFAULT '',
    IMAGE       TEXT    DEFAULT '',
    PROP_BOLD   INTEGER DEFAULT 0,
    SCAN_ID     INTEGER,
    PROP_ID     INTEGER,
    DEV_ID      INTEGER,
    FEATURE_ID  INTEGER,
    SECTION_ID  INTEGER DEFAULT 0
);
CREATE INDEX SCAN_DETAILS_SCAN_IDX ON SCAN_DETAILS (SCAN_ID);

-- A scan's rows go with its head row, so a later scan never reads them.
CREATE TRIGGER SCAN_HEAD_DELETE_DETAILS AFTER DELETE ON SCAN_HEAD
BEGIN
    DELETE FROM SCAN_DETAILS WHERE SCAN_ID = OLD.SCAN_ID;
END;

-- The single settings row SETTINGS_ID 1. Flags are the words True and False.
CREATE TABLE SETTINGS_TBL (
    SETTINGS_ID         INTEGER PRIMARY KEY,
    WORK_ONLINE         TEXT    DEFAULT 'True',
    VERTICAL_LISTING    TEXT    DEFAULT 'True',
    AUTO_CHECK_UPDATES  TEXT    DEFAULT 'False',
    LAST_OPTIMIZE       TEXT,
    TLB_VISIBILITY      INTEGER DEFAULT 60
);

-- The tabular report grid: TR_ID -5 to 0 are the column metadata rows, from 1
-- one row per computer. Column order matters (readers use SELECT * and
-- index by position): the property columns follow SCAN_DATE and are added
-- by the tabular seed (ALTER TABLE ... ADD COLUMN), at most 250 of them.
CREATE TABLE TABULAR_REPORT_TBL (
    TR_ID      INTEGER PRIMARY KEY,
    DEV_ID     INTEGER UNIQUE,
    DEV_NAME   TEXT DEFAULT '',
    SCAN_DATE  TEXT DEFAULT ''
);

-- Saved tabular reports; TN_ID 0 is the report group, sorting first by GROUP_ID.
CREATE TABLE TAB_REPORT_NAMES_TBL (
    TN_ID              INTEGER PRIMARY KEY AUTOINCREMENT,
    REPORT_NAME        VARCHAR(255) NOT NULL DEFAULT '',
    REPORT_VISIBILITY  TEXT    DEFAULT '',
    GROUP_ID           INTEGER DEFAULT 0
);

-- The computers of each saved report.
CREATE TABLE TAB_REPORT_COMPUTERS_TBL (
    TC_ID   INTEGER PRIMARY KEY,
    TN_ID   INTEGER,
    DEV_ID  INTEGER
);
CREATE INDEX TAB_REPORT_COMPUTERS_IDX ON TAB_REPORT_COMPUTERS_TBL (TN_ID, DEV_ID);

-- Log of device moves between groups; written, never read.
CREATE TABLE TRANSFER_TRACK (
    DEST_GRP_ID     INTEGER,
    SRC_GRP_ID      INTEGER,
    DEV_ID          INTEGER,
    TRANSFER_DATE   TEXT,
    TRANSFER_WUSER  VARCHAR(50),
    TRANSFER_CMP    TEXT,
    REMARKS         VARCHAR(255),
    DB_TIME         TEXT
);
CREATE INDEX TRANSFER_TRACK_DEV_IDX ON TRANSFER_TRACK (DEV_ID);

-- Predefined reports: a name and one complete SQL query each, with the
-- placeholders dateFrom and dateTo where the report takes dates.
CREATE TABLE REPORT_TBL (
    REPORT_ID     INTEGER PRIMARY KEY,
    REPORT_NAME   TEXT    NOT NULL DEFAULT '',
    REPORT_QUERY  TEXT    DEFAULT '',
    ACTIVE        INTEGER DEFAULT 1,
    LIST_ORDER    INTEGER DEFAULT 0
);
