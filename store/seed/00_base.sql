-- Fixed rows the program relies on: the device types, the root group, the
-- settings row and the tabular report group.

INSERT INTO DEV_TYPE (DEV_TYPE_ID, DEV_TYPE_NAME, DEV_TYPE_PIC, ACTIVE) VALUES (1, 'Group', 'Group', 1);
INSERT INTO DEV_TYPE (DEV_TYPE_ID, DEV_TYPE_NAME, DEV_TYPE_PIC, ACTIVE) VALUES (2, 'Computer', 'Computer', 1);

-- The root group is its own parent's parent: PARENT 0 names no row.
INSERT INTO DEV_TBL (DEV_ID, DEV_NAME, DEV_ALIAS, PARENT, DEV_TYPE_ID, COMMENT)
    VALUES (1, 'Network', 'Network', 0, 1, '');

-- TLB_VISIBILITY: bit n shows the toolbar of View > Tools Visible item n
-- (Hardware, OS, Power, Process, Services, Tabular); 60 ships the Hardware
-- and OS toolbars hidden.
INSERT INTO SETTINGS_TBL (SETTINGS_ID, WORK_ONLINE, VERTICAL_LISTING, AUTO_CHECK_UPDATES, LAST_OPTIMIZE, TLB_VISIBILITY)
    VALUES (1, 'True', 'True', 'False', NULL, 60);

-- The report group: its node "Tabu_0" holds the saved reports, which the
-- main window creates with GROUP_ID 0, so -1 sorts it before all of them.
INSERT INTO TAB_REPORT_NAMES_TBL (TN_ID, REPORT_NAME, REPORT_VISIBILITY, GROUP_ID)
    VALUES (0, 'Tabular Reports', '', -1);
