quenvo_test(NAME main_form_job_list_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/MainFormJobListTest.cpp ${CMAKE_CURRENT_LIST_DIR}/ShellTestSupport.cpp
  LIBS quenvo_app quenvo_media_samples Qt6::GuiPrivate
  ENCODER COST 30)
